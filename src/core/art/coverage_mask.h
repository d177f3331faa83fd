// A glyph as coverage: how much of every pixel its ink covers, 0..1. The
// state pictures colour one mask in several ways, so a glyph's shapes are
// rasterized once per button size and not once per state.
#pragma once

#include <span>
#include <vector>

#include "raster/geometry.h"

namespace lg::art {

// Closed contours filled together by the non-zero winding rule. Every
// contour the art builds is turned the same way round, so contours only
// ever add up and never punch holes into each other by accident.
using Shape = std::vector<Contour>;

class CoverageMask {
public:
    CoverageMask(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Coverage of pixel (x, y), 0..1; 0 outside the mask.
    float At(int x, int y) const;

    // Lays the shape over the mask with `opacity` (0..1), "over" each pixel.
    // One call covers each pixel once however the shape's contours overlap,
    // so parts that touch belong in one shape: two calls would leave a faint
    // seam where their anti-aliased edges meet.
    void Add(std::span<const Contour> shape, float opacity = 1.0f);
    // Takes the shape out of the mask (a knock-out or a gap).
    void Cut(std::span<const Contour> shape);

private:
    template <class Combine>
    void Apply(std::span<const Contour> shape, Combine combine);

    int width_;
    int height_;
    std::vector<float> cover_;
};

}  // namespace lg::art
