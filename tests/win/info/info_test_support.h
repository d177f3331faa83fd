// What the information windows' tests share: a fixture with the process's
// text output, a recording of the pages opened, the mouse on a window, and
// the painted pixels kept as a picture when LUMIGRAB_TEST_SHOTS names a
// folder (for a person to look at).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "info/info_services.h"
#include "output/png_encoder.h"
#include "platform/gdi_text_rasterizer.h"
#include "raster/bitmap32.h"
#include "raster/text_rasterizer.h"
#include "settings/registry_store.h"

namespace lg::win::test {

// A day well inside the dates the store can hold: 10 March 2026.
inline constexpr double kToday = 46091;

class InfoWindowTest : public ::testing::Test {
protected:
    void SetUp() override { SetDefaultTextRasterizer(&text_); }
    void TearDown() override { SetDefaultTextRasterizer(nullptr); }

    // Services that record the pages asked for and keep dates in `store`.
    InfoServices Services(std::shared_ptr<RegistryStore> store = nullptr) {
        return {.openPage = [this](std::string_view path) { pages.emplace_back(path); },
                .store = std::move(store),
                .today = [] { return kToday; }};
    }

    std::vector<std::string> pages;

private:
    GdiTextRasterizer text_;
};

// The pointer moved to, pressed and released at a client point of `wnd`,
// handled at once.
inline void ClickAt(HWND wnd, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    SendMessageW(wnd, WM_MOUSEMOVE, 0, at);
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(wnd, WM_LBUTTONUP, 0, at);
}

// The same, queued for a modal loop to handle.
inline void PostClickAt(HWND wnd, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    PostMessageW(wnd, WM_MOUSEMOVE, 0, at);
    PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(wnd, WM_LBUTTONUP, 0, at);
}

inline void MoveTo(HWND wnd, int x, int y) {
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

inline SIZE ClientSize(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    return SIZE{r.right, r.bottom};
}

inline bool IsLight(TColor32 c) {
    return RedOf(c) > 200 && GreenOf(c) > 200 && BlueOf(c) > 200;
}

// Pixels of `b` inside [left, right) x [top, bottom) for which `is` holds.
template <class Pred>
int CountPixels(const TBitmap32& b, int left, int top, int right, int bottom, Pred is) {
    int n = 0;
    for (int y = top; y < bottom && y < b.Height(); ++y) {
        for (int x = left; x < right && x < b.Width(); ++x) n += is(b.PixelS(x, y)) ? 1 : 0;
    }
    return n;
}

inline void KeepShot(const TBitmap32& b, const std::string& name) {
    const char* dir = std::getenv("LUMIGRAB_TEST_SHOTS");
    if (!dir || !*dir || b.Empty()) return;
    std::vector<std::uint8_t> png;
    const ImageView32 view{b.Bits(), b.Width(), b.Height(), b.Width()};
    if (EncodePng(view, png, PngOptions{1}) != EncodeStatus::kOk) return;
    const std::string path = std::string(dir) + "\\" + name + ".png";
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(png.data(), 1, png.size(), f);
        std::fclose(f);
    }
}

}  // namespace lg::win::test
