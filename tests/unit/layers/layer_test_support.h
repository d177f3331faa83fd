// Small layers and helpers shared by the layer and image view tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "layers/img_view32.h"
#include "layers/positioned_layer.h"
#include "raster/bitmap32.h"

namespace lg::layers_test {

// What the probe layers saw, in order ("C.down 50,50").
using EventLog = std::vector<std::string>;

inline std::string Str(const TRect& r) {
    return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
           std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ")";
}

// A set of rectangles in a fixed order, for comparing without caring how the
// view ordered them.
inline std::vector<std::string> Strs(const std::vector<TRect>& rects) {
    std::vector<std::string> out;
    for (const TRect& r : rects) out.push_back(Str(r));
    std::sort(out.begin(), out.end());
    return out;
}

// A positioned layer that fills its location with one colour (none when the
// colour's alpha is 0), logs its mouse events and counts its destruction.
class TProbeLayer : public TPositionedLayer {
public:
    TProbeLayer(std::string name, TFloatRect location, TColor32 fill = 0, EventLog* log = nullptr,
                int* destroyed = nullptr)
        : name_(std::move(name)), fill_(fill), log_(log), destroyed_(destroyed) {
        SetLocation(location);
    }
    ~TProbeLayer() override {
        if (destroyed_) ++*destroyed_;
    }

    const std::string& Name() const { return name_; }
    void SetFill(TColor32 fill) {
        fill_ = fill;
        Changed();
    }

protected:
    void DoMouseDown(TMouseButton b, TShiftState s, int x, int y) override {
        Log("down", x, y);
        TPositionedLayer::DoMouseDown(b, s, x, y);
    }
    void DoMouseMove(TShiftState s, int x, int y) override {
        Log("move", x, y);
        TPositionedLayer::DoMouseMove(s, x, y);
    }
    void DoMouseUp(TMouseButton b, TShiftState s, int x, int y) override {
        Log("up", x, y);
        TPositionedLayer::DoMouseUp(b, s, x, y);
    }
    void DoPaint(TBitmap32& buffer) override {
        if (log_) log_->push_back(name_ + ".paint");
        if ((fill_ >> 24) != 0) buffer.FillRectTS(RoundRect(Location()), fill_);
    }

private:
    void Log(const char* what, int x, int y) {
        if (log_) {
            log_->push_back(name_ + "." + what + " " + std::to_string(x) + "," + std::to_string(y));
        }
    }

    std::string name_;
    TColor32 fill_;
    EventLog* log_;
    int* destroyed_;
};

// A bitmap whose every pixel differs from its neighbours, so a pixel drawn
// from the wrong place shows.
inline TBitmap32 Pattern(int w, int h) {
    TBitmap32 b(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            *b.PixelPtr(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x * 5) << 16 |
                                static_cast<std::uint32_t>(y * 7) << 8 |
                                static_cast<std::uint32_t>((x + y) & 0xFF);
        }
    }
    return b;
}

// A whole-view paint into a fresh bitmap of the given size.
inline TBitmap32 FullPaint(TImgView32& view, int w, int h) {
    TBitmap32 out(w, h);
    view.PaintTo(out, out.BoundsRect());
    return out;
}

inline bool Inside(const TRect& r, int x, int y) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

}  // namespace lg::layers_test
