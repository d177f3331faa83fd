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
