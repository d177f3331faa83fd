#include "platform/hidden_surface.h"

#include <array>
#include <optional>

#include "platform/handles.h"

namespace lg::win {

namespace {

// More cache contexts than the program ever holds at once, so taking this
// many together renews each one it has used.
constexpr int kCachedContexts = 8;

}  // namespace

void GiveBackHiddenSurface(HWND hidden) {
    if (IsWindowVisible(hidden)) return;
    SetWindowPos(hidden, nullptr, 0, 0, 1, 1,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    std::array<std::optional<ScopedGetDc>, kCachedContexts> dcs;
    for (auto& dc : dcs) dc.emplace(hidden);
}

}  // namespace lg::win
