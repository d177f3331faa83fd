#include "app/app_icon.h"

#include <algorithm>
#include <cmath>

namespace lg {
namespace {

// Accent (28, 194, 241): the colour of the latched tool and primary buttons.
constexpr double kAccentR = 28, kAccentG = 194, kAccentB = 241;
// 4 × 4 samples per pixel: enough for smooth edges at 16 × 16.
constexpr int kSub = 4;

struct Shape {
    double size;
    // All proportions are of the icon's side, so every size looks alike.
    double radius() const { return size * 0.22; }
    double inset() const { return size * 0.22; }
    double arm() const { return size * 0.20; }
    double thick() const { return std::max(1.4, size * 0.09); }
    double dot() const { return std::max(1.1, size * 0.08); }

    bool InSquare(double x, double y) const {
        double r = radius();
        double cx = std::clamp(x, r, size - r);
        double cy = std::clamp(y, r, size - r);
        double dx = x - cx, dy = y - cy;
        return x >= 0 && y >= 0 && x <= size && y <= size && dx * dx + dy * dy <= r * r;
    }

    // Four L-shaped corners of a selection frame, and the dot in the middle.
    bool InMark(double x, double y) const {
        double a = inset(), b = size - inset(), t = thick(), l = arm();
        for (int corner = 0; corner < 4; ++corner) {
            double px = (corner & 1) ? b : a;
            double py = (corner & 2) ? b : a;
            double sx = (corner & 1) ? -1 : 1;  // arms point inwards
            double sy = (corner & 2) ? -1 : 1;
            double lx = (x - px) * sx, ly = (y - py) * sy;
            bool horizontal = lx >= 0 && lx <= l && ly >= 0 && ly <= t;
            bool vertical = ly >= 0 && ly <= l && lx >= 0 && lx <= t;
            if (horizontal || vertical) return true;
        }
        double c = size / 2, r = dot();
        return (x - c) * (x - c) + (y - c) * (y - c) <= r * r;
    }
};

}  // namespace

std::vector<uint32_t> DrawAppIcon(int size) {
    if (size < 1) return {};
    std::vector<uint32_t> out(static_cast<size_t>(size) * size);
    Shape shape{static_cast<double>(size)};
    constexpr double kSamples = kSub * kSub;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int square = 0, mark = 0;
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    double px = x + (sx + 0.5) / kSub;
                    double py = y + (sy + 0.5) / kSub;
                    if (!shape.InSquare(px, py)) continue;
                    ++square;
                    if (shape.InMark(px, py)) ++mark;
                }
            }
            if (square == 0) continue;
            // White marks over the accent, within the square's coverage.
            double w = static_cast<double>(mark) / square;
            auto mix = [w](double accent) {
                return static_cast<uint32_t>(std::lround(accent + (255 - accent) * w));
            };
            uint32_t a = static_cast<uint32_t>(std::lround(square * 255 / kSamples));
            out[static_cast<size_t>(y) * size + x] =
                (a << 24) | (mix(kAccentR) << 16) | (mix(kAccentG) << 8) | mix(kAccentB);
        }
    }
    return out;
}

}  // namespace lg
