#include "capture/snap_window_list.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/handles.h"

namespace lg::win {
namespace {

struct WindowTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) { DestroyWindow(h); }
};
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;

UniqueWindow Popup(const TRect& r, bool visible) {
    const DWORD style = WS_POPUP | (visible ? WS_VISIBLE : 0);
    return UniqueWindow(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"", style,
                                        r.Left, r.Top, r.Width(), r.Height(), nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr));
}

UniqueWindow Child(HWND parent) {
    return UniqueWindow(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 40, 20,
                                        parent, nullptr, GetModuleHandleW(nullptr), nullptr));
}

int IndexOf(const std::vector<SnapWindowInfo>& list, const TRect& rect) {
    const auto it = std::find_if(list.begin(), list.end(), [&](const SnapWindowInfo& w) {
        return w.rect == rect && w.parent < 0;
    });
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

bool HasChildren(const std::vector<SnapWindowInfo>& list, int index) {
    return std::any_of(list.begin(), list.end(),
                       [&](const SnapWindowInfo& w) { return w.parent == index; });
}

TEST(SnapWindowListTest, OurWindowsAreMarkedAndTheirControlsNotRead) {
    const TRect shownRect{50, 60, 250, 160};
    UniqueWindow shown = Popup(shownRect, true);
    UniqueWindow hidden = Popup(TRect{300, 60, 400, 160}, false);
    ASSERT_TRUE(shown && hidden);
    UniqueWindow shownChild = Child(shown.get());
    UniqueWindow hiddenChild = Child(hidden.get());
    ASSERT_TRUE(shownChild && hiddenChild);

    const std::vector<SnapWindowInfo> list = ReadSnapWindows();
    const int at = IndexOf(list, shownRect);
    ASSERT_GE(at, 0);
    EXPECT_TRUE(list[at].ours);
    EXPECT_TRUE(list[at].visible);
    EXPECT_FALSE(list[at].desktop);
    EXPECT_FALSE(HasChildren(list, at));

    // The hidden one is listed as not showing; its rectangle is not read.
    const auto hiddenAt = std::find_if(list.begin(), list.end(), [](const SnapWindowInfo& w) {
        return w.ours && !w.visible && w.parent < 0;
    });
    EXPECT_NE(hiddenAt, list.end());

    // Whatever else the session shows: a parent always comes before its
    // children, and stacking among top-level windows counts from the top.
    int lastTopZ = -1;
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_LT(list[i].parent, static_cast<int>(i)) << i;
        if (list[i].parent < 0) {
            EXPECT_GT(list[i].z, lastTopZ) << i;
            lastTopZ = list[i].z;
        }
    }
}

}  // namespace
}  // namespace lg::win
