#include "art/coverage_mask.h"

#include <algorithm>
#include <cstddef>

#include "raster/rasterizer.h"

namespace lg::art {

namespace {

template <class Combine>
class MaskSink final : public CoverageSink {
public:
    MaskSink(std::vector<float>& cover, int width, Combine combine)
        : cover_(cover), width_(width), combine_(combine) {}

    void Row(int y, std::span<const CoverageSpan> spans) override {
        float* row = cover_.data() + static_cast<std::size_t>(y) * width_;
        for (const CoverageSpan& s : spans) {
            const float c = s.cover / 255.0f;
            for (int x = s.x; x < s.x + s.len; ++x) row[x] = combine_(row[x], c);
        }
    }

private:
    std::vector<float>& cover_;
    int width_;
    Combine combine_;
};

}  // namespace

CoverageMask::CoverageMask(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      cover_(static_cast<std::size_t>(width_) * height_, 0.0f) {}

float CoverageMask::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0.0f;
    return cover_[static_cast<std::size_t>(y) * width_ + x];
}

template <class Combine>
void CoverageMask::Apply(std::span<const Contour> shape, Combine combine) {
    if (width_ == 0 || height_ == 0 || shape.empty()) return;
    // 32 sub-rows: at icon size every edge is visible, and the finer
    // vertical sampling keeps shallow diagonals free of steps.
    PolygonRasterizer rasterizer;
    rasterizer.Reset(TRect{0, 0, width_, height_}, am32times);
    for (const Contour& c : shape) rasterizer.AddContour(c);
    MaskSink<Combine> sink(cover_, width_, combine);
    rasterizer.Render(sink);
}

void CoverageMask::Add(std::span<const Contour> shape, float opacity) {
    const float o = std::clamp(opacity, 0.0f, 1.0f);
    Apply(shape, [o](float a, float c) { return a + c * o * (1.0f - a); });
}

void CoverageMask::Cut(std::span<const Contour> shape) {
    Apply(shape, [](float a, float c) { return a * (1.0f - c); });
}

}  // namespace lg::art
