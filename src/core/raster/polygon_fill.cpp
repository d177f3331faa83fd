#include "raster/polygon_fill.h"

#include "raster/blend_p.h"

namespace lg {

namespace {

class FillSink final : public CoverageSink {
public:
    FillSink(TBitmap32& dst, TColor32 color) : dst_(dst), color_(color) {}

    void Row(int y, std::span<const CoverageSpan> spans) override {
        TColor32* row = dst_.ScanLine(y);
        const TCombineMode mode = dst_.CombineMode();
        const std::uint32_t alpha = AlphaOf(color_);
        for (const CoverageSpan& s : spans) {
            const std::uint32_t w = s.cover == 255 ? alpha : ScaleAlpha(alpha, s.cover);
            const TColor32 f = WithAlpha(color_, w);
            if (mode == cmBlend)
                BlendSpanConst(row + s.x, s.len, f, w);
            else
                MergeSpanConst(row + s.x, s.len, f);
        }
    }

private:
    TBitmap32& dst_;
    TColor32 color_;
};

}  // namespace

void FillPolygons(TBitmap32& dst, std::span<const Contour> contours, TColor32 color,
                  TAntialiasMode mode) {
    if (AlphaOf(color) == 0 || dst.Empty() || dst.ClipRect().IsEmpty()) return;
    PolygonRasterizer rasterizer;
    rasterizer.Reset(dst.ClipRect(), mode);
    for (const Contour& c : contours) rasterizer.AddContour(c);
    FillSink sink(dst, color);
    rasterizer.Render(sink);
}

void FillPolygon(TBitmap32& dst, std::span<const TFloatPoint> points, TColor32 color,
                 TAntialiasMode mode) {
    if (AlphaOf(color) == 0 || dst.Empty() || dst.ClipRect().IsEmpty()) return;
    PolygonRasterizer rasterizer;
    rasterizer.Reset(dst.ClipRect(), mode);
    rasterizer.AddContour(points);
    FillSink sink(dst, color);
    rasterizer.Render(sink);
}

}  // namespace lg
