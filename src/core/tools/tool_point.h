// An integer point of the view (a press or release position).
#pragma once

namespace lg {

struct TPoint {
    int X = 0;
    int Y = 0;
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

}  // namespace lg
