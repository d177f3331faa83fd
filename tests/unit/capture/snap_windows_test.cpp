#include "capture/snap_windows.h"

#include <gtest/gtest.h>

#include <vector>

namespace lg {
namespace {

// Two monitors: the primary one 1920 × 1080 at 100 %, and left of it one of
// 2880 × 1620 physical pixels at 150 %, so the virtual screen starts at
// x = −2880. Rectangles are screen coordinates.
constexpr TRect kRectWork{-2880, 0, 1920, 1620};

// Indices in kTree, named for the parent links.
enum : int {
    kOurs,
    kOurButton,
    kDialog,
    kGroupBox,
    kField,
    kNotepad,
    kEdit,
    kStatus,
    kHidden,
    kHiddenChild,
    kLeftWindow,
    kLeftList,
    kLeftToolbar,
    kOffScreen,
    kZeroSize,
    kFilled,
    kFilledChild,
    kDesktop,
    kDesktopIcon,
};

const std::vector<SnapWindowInfo> kTree = {
    // The capture window itself lies over everything.
    {.rect = {-2880, 0, 1920, 1620}, .z = 0, .ours = true},
    {.rect = {10, 10, 60, 40}, .parent = kOurs, .z = 0},
    // A dialog above Notepad; its group box is stacked over its field.
    {.rect = {500, 300, 800, 500}, .z = 1},
    {.rect = {510, 310, 790, 490}, .parent = kDialog, .z = 0},
    {.rect = {520, 330, 700, 360}, .parent = kDialog, .z = 1},
    {.rect = {100, 100, 900, 700}, .z = 2},
    {.rect = {108, 150, 892, 680}, .parent = kNotepad, .z = 0},
    {.rect = {108, 680, 892, 700}, .parent = kNotepad, .z = 1},
    {.rect = {0, 0, 1920, 1080}, .z = 3, .visible = false},
    {.rect = {10, 10, 100, 100}, .parent = kHidden, .z = 0},
    // Half off the left edge of the virtual screen, on the 150 % monitor.
    {.rect = {-3000, 100, -2500, 600}, .z = 4},
    {.rect = {-2990, 120, -2700, 200}, .parent = kLeftWindow, .z = 0},
    // Reaches out of its parent.
    {.rect = {-2600, 500, -2400, 700}, .parent = kLeftWindow, .z = 1},
    {.rect = {3000, 0, 3500, 500}, .z = 5},
    {.rect = {200, 800, 200, 900}, .z = 6},
    {.rect = {1200, 100, 1500, 400}, .z = 7},
    {.rect = {1200, 100, 1500, 400}, .parent = kFilled, .z = 0},
    // The desktop below every window, an icon on it.
    {.rect = {0, 0, 1920, 1080}, .z = 8, .desktop = true},
    {.rect = {1550, 850, 1650, 950}, .parent = kDesktop, .z = 0},
};

TRect ToCapture(const TRect& r) {
    return TRect{r.Left - kRectWork.Left, r.Top - kRectWork.Top, r.Right - kRectWork.Left,
                 r.Bottom - kRectWork.Top};
}

std::vector<TRect> ChainRects(const SnapWindows& w, TPoint screen) {
    std::vector<TRect> out;
    for (const SnapWindows::Hit& h :
         w.ChainAt(TPoint{screen.X - kRectWork.Left, screen.Y - kRectWork.Top})) {
        out.push_back(h.rect);
    }
    return out;
}

TEST(SnapWindowsTest, ChainUnderThePointer) {
    struct Case {
        const char* why;
        TPoint at;
        std::vector<TRect> chain;  // screen coordinates, innermost first
    };
    const TRect edit = kTree[kEdit].rect, notepad = kTree[kNotepad].rect;
    const TRect dialog = kTree[kDialog].rect;
    const TRect leftWindow{-2880, 100, -2500, 600};
    const Case cases[] = {
        {"a control, then its top-level window", {200, 200}, {edit, notepad}},
        {"the status bar of the same window", {200, 690}, {kTree[kStatus].rect, notepad}},
        {"the field under a group box stacked above it: the smallest wins",
         {600, 340},
         {kTree[kField].rect, dialog}},
        {"the group box where it holds no field", {600, 450}, {kTree[kGroupBox].rect, dialog}},
        {"overlapping top-level windows: the top one wins, not Notepad's edit",
         {505, 305},
         {dialog}},
        {"a hidden window and its visible child never snap", {50, 50}, {}},
        {"a window half off the screen is clipped to it",
         {-2800, 150},
         {{-2880, 120, -2700, 200}, leftWindow}},
        {"a child is clipped to its parent", {-2550, 550}, {{-2600, 500, -2500, 600}, leftWindow}},
        {"outside the parent a clipped child is not there", {-2450, 650}, {}},
        {"a zero-size window never snaps", {200, 850}, {}},
        {"a parent covering exactly its child is one step", {1300, 200}, {kTree[kFilled].rect}},
        {"our own windows never snap, their controls neither", {20, 20}, {}},
        {"the desktop never snaps, its icons neither", {1600, 900}, {}},
    };
    const SnapWindows windows(kTree, kRectWork);
    for (const Case& c : cases) {
        std::vector<TRect> expected;
        for (const TRect& r : c.chain) expected.push_back(ToCapture(r));
        EXPECT_EQ(ChainRects(windows, c.at), expected) << c.why;
    }
}

TEST(SnapWindowsTest, EdgesBelongToTheRectangleLikePixels) {
    const SnapWindows windows(kTree, kRectWork);
    const TRect edit = kTree[kEdit].rect;
    // The top-left pixel is inside, the right and bottom edges are not.
    EXPECT_EQ(ChainRects(windows, {edit.Left, edit.Top}).front(), ToCapture(edit));
    EXPECT_EQ(ChainRects(windows, {edit.Right, 300}).front(), ToCapture(kTree[kNotepad].rect));
}

TEST(SnapWindowsTest, AnythingThatCannotSnapLeavesAnEmptyList) {
    const std::vector<SnapWindowInfo> none = {
        {.rect = {0, 0, 100, 100}, .ours = true},
        {.rect = {0, 0, 100, 100}, .visible = false},
        {.rect = {5000, 0, 5100, 100}},
        // A child listed before its parent: the tree is broken, not guessed.
        {.rect = {0, 0, 10, 10}, .parent = 4},
        {.rect = {0, 0, 100, 100}, .ours = true},
    };
    EXPECT_TRUE(SnapWindows(none, kRectWork).Empty());
    EXPECT_TRUE(SnapWindows().ChainAt({0, 0}).empty());
}

TEST(SnapWindowsTest, IdsTellWindowsApartWhenTheirRectanglesMatch) {
    // Two top-level windows of one size, one above the other: the id says
    // which one is outlined, so a move between them is seen.
    const std::vector<SnapWindowInfo> twins = {
        {.rect = {0, 0, 100, 100}, .z = 1},
        {.rect = {0, 0, 100, 100}, .z = 0},
    };
    const SnapWindows windows(twins, TRect{0, 0, 200, 200});
    const auto chain = windows.ChainAt({50, 50});
    ASSERT_EQ(chain.size(), 1u);
    EXPECT_EQ(chain[0].id, 1);
}

}  // namespace
}  // namespace lg
