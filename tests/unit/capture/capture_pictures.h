// Pictures and figures for the undo store tests: random screen-like
// content and simple strokes, drawn without the raster engine so that a
// fault there cannot hide one here.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>

#include "raster/bitmap32.h"

namespace lg::testing_capture {

inline TBitmap32 RandomPicture(int w, int h, std::mt19937& rng) {
    TBitmap32 b(w, h);
    // Flat areas with some noise, as on a screen: runs of one colour.
    std::uniform_int_distribution<std::uint32_t> any;
    std::uniform_int_distribution<int> runLength(1, 40);
    auto px = b.Pixels();
    std::size_t i = 0;
    while (i < px.size()) {
        const TColor32 c = any(rng) | 0xFF000000u;
        const std::size_t n = std::min<std::size_t>(runLength(rng), px.size() - i);
        std::fill_n(px.begin() + static_cast<std::ptrdiff_t>(i), n, c);
        i += n;
    }
    return b;
}

inline void FillRect(TBitmap32& b, TRect r, TColor32 c) {
    r = IntersectRect(r, b.BoundsRect());
    for (int y = r.Top; y < r.Bottom; ++y) std::fill_n(b.PixelPtr(r.Left, y), r.Width(), c);
}

// A rectangle outline `width` pixels thick.
inline void FrameRect(TBitmap32& b, TRect r, int width, TColor32 c) {
    FillRect(b, {r.Left, r.Top, r.Right, r.Top + width}, c);
    FillRect(b, {r.Left, r.Bottom - width, r.Right, r.Bottom}, c);
    FillRect(b, {r.Left, r.Top, r.Left + width, r.Bottom}, c);
    FillRect(b, {r.Right - width, r.Top, r.Right, r.Bottom}, c);
}

// A line from (x0, y0) to (x1, y1) drawn as width x width squares.
inline void Line(TBitmap32& b, int x0, int y0, int x1, int y1, int width, TColor32 c) {
    const int steps = std::max({std::abs(x1 - x0), std::abs(y1 - y0), 1});
    for (int i = 0; i <= steps; ++i) {
        const int x = x0 + static_cast<int>(std::int64_t{x1 - x0} * i / steps);
        const int y = y0 + static_cast<int>(std::int64_t{y1 - y0} * i / steps);
        FillRect(b, {x, y, x + width, y + width}, c);
    }
}

// Every pixel of r changed to a value of its own, like a blur.
inline void Scramble(TBitmap32& b, TRect r, std::mt19937& rng) {
    r = IntersectRect(r, b.BoundsRect());
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x) *b.PixelPtr(x, y) ^= rng() & 0x00FFFFFFu;
    }
}

inline ::testing::AssertionResult SamePixels(const TBitmap32& actual, const TBitmap32& expected) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
        return ::testing::AssertionFailure()
               << "size " << actual.Width() << "x" << actual.Height() << ", expected "
               << expected.Width() << "x" << expected.Height();
    }
    const auto a = actual.Pixels();
    const auto e = expected.Pixels();
    const auto [ia, ie] = std::mismatch(a.begin(), a.end(), e.begin());
    if (ia == a.end()) return ::testing::AssertionSuccess();
    const auto at = static_cast<int>(ia - a.begin());
    return ::testing::AssertionFailure()
           << "pixel (" << at % actual.Width() << ", " << at / actual.Width() << ") is " << std::hex
           << *ia << ", expected " << *ie;
}

}  // namespace lg::testing_capture
