// A small capture view laid out like the capture window's: the draw layer
// at index 0, a stand-in for the selection layer at index 1, the tool on
// top.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "layers/bitmap_layer.h"
#include "layers/img_view32.h"
#include "layers/positioned_layer.h"
#include "raster/bitmap32.h"
#include "settings/settings.h"
#include "tools/base_tool_layer.h"

namespace lg::tools_test {

inline constexpr int kViewW = 200;
inline constexpr int kViewH = 150;
inline constexpr TFloatRect kSelection{10, 10, 120, 100};
inline constexpr TColor32 kCapture = 0xFF336699u;

// The blend rule as it is stated, one channel at a time, alpha included:
// (256*B + (F - B)*W + 128) div 256, where weight 0 keeps B and 255 gives F
// exactly. Written out here, apart from the raster code's packed version,
// so a tool's expected colours do not come from the code under test.
inline TColor32 ReferenceBlend(TColor32 f, TColor32 b, std::uint32_t w) {
    if (w == 0) return b;
    if (w >= 255) return f;
    TColor32 out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int fc = static_cast<int>((f >> shift) & 0xFF),
                  bc = static_cast<int>((b >> shift) & 0xFF);
        const int c = (256 * bc + (fc - bc) * static_cast<int>(w) + 128) / 256;
        out |= static_cast<TColor32>(c) << shift;
    }
    return out;
}

// A capture of five vertical bands, 40 pixels each, from white through
// black: the extremes of every channel under a translucent figure.
inline constexpr TColor32 kBands[] = {0xFFFFFFFFu, 0xFF000000u, 0xFF808080u, 0xFF336699u,
                                      0xFFE0C010u};
inline constexpr int kBandWidth = kViewW / 5;

class CaptureView : public ::testing::Test {
protected:
    CaptureView() {
        TBitmap32 capture(kViewW, kViewH);
        capture.Clear(kCapture);
        view.SetBitmap(capture);
        drawLayer = &view.Layers().Add<TBitmapLayer>();
        TBitmap32& draw = drawLayer->Bitmap();
        draw.SetSize(kViewW, kViewH);
        draw.Clear(kDrawBitmapClear);
        draw.SetDrawMode(dmBlend);
        draw.SetCombineMode(cmBlend);
        drawLayer->SetLocation(TFloatRect{0, 0, kViewW, kViewH});
        // The selection layer's place; it must not take the tool's presses.
        view.Layers().Add<TPositionedLayer>().SetMouseEvents(false);
        savedSettings = LGSettings();
        view.TakeDirtyRects();
    }
    ~CaptureView() override { LGSettings() = savedSettings; }

    TBitmap32& Draw() { return drawLayer->Bitmap(); }

    void PaintBands() {
        for (int y = 0; y < kViewH; ++y) {
            for (int x = 0; x < kViewW; ++x) *view.Bitmap().PixelPtr(x, y) = kBands[x / kBandWidth];
        }
    }

    // The view as the screen shows it.
    TBitmap32 Screen() {
        TBitmap32 screen(kViewW, kViewH);
        view.PaintTo(screen, screen.BoundsRect());
        return screen;
    }

    // The number of draw-bitmap pixels that are not kDrawBitmapClear.
    int DrawnPixels() {
        int n = 0;
        for (TColor32 c : Draw().Pixels()) n += c != kDrawBitmapClear;
        return n;
    }

    // Whether every drawn pixel lies inside one of `rects`.
    bool DrawnInside(const std::vector<TRect>& rects) {
        for (int y = 0; y < kViewH; ++y) {
            for (int x = 0; x < kViewW; ++x) {
                if (*Draw().PixelPtr(x, y) == kDrawBitmapClear) continue;
                bool inside = false;
                for (const TRect& r : rects) {
                    inside |= x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
                }
                if (!inside) return false;
            }
        }
        return true;
    }

    TImgView32 view;
    TBitmapLayer* drawLayer;
    TLGSettings savedSettings;
};

}  // namespace lg::tools_test
