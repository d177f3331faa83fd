// The windows an area capture snaps to: the window tree as it was when the
// screen froze, and which window is outlined under the pointer. The shell
// reads the tree; every rule of which window counts and which one wins
// lives here.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "raster/geometry.h"
#include "tools/tool_point.h"

namespace lg {

// One window as the shell read it. Rectangles are the visible frame in
// physical pixels of the virtual screen (which may start at negative
// coordinates).
struct SnapWindowInfo {
    TRect rect;
    // Index of the parent in the same list; -1 for a top-level window. A
    // parent comes before its children.
    int parent = -1;
    // Stacking among its siblings: 0 is the top.
    int z = 0;
    // A window of this program: never outlined, nor anything in it.
    bool ours = false;
    // The shell's desktop behind every window, its wallpaper and icons:
    // never outlined, nor anything in it. It covers the screen, so a click
    // on empty desktop would take the whole screen where the user meant
    // to start a drag.
    bool desktop = false;
    // Shown, not minimised and not cloaked.
    bool visible = true;
};

// The snappable windows of one capture, in capture coordinates (the
// virtual screen's top-left at 0, 0).
class SnapWindows {
public:
    SnapWindows() = default;
    // Keeps what can be outlined: visible windows of other programs, the
    // desktop left out, whose frame, clipped to their parent chain and to
    // `rectWork` (screen coordinates), is not empty. A dropped window takes
    // its children with it.
    SnapWindows(std::span<const SnapWindowInfo> windows, const TRect& rectWork);

    bool Empty() const { return nodes_.empty(); }

    // The windows under `p`, innermost first, each with its clipped
    // rectangle: the smallest window containing the point, then its
    // parents out to the top-level window. The top-level window is the
    // topmost one containing the point; inside it the smallest control
    // wins (a group box lying over its fields does not hide them). A parent
    // that covers exactly its child is left out: a step out shows a change.
    // Empty where no window is.
    struct Hit {
        int id;  // stable for the life of this list
        TRect rect;
    };
    std::vector<Hit> ChainAt(TPoint p) const;

private:
    struct Node {
        TRect rect;  // clipped
        int parent;  // index in nodes_, -1 for top-level
        int z;
    };
    std::vector<Node> nodes_;
};

}  // namespace lg
