// The folder picker on a real desktop and the shell's real namespace: how
// it opens, what it lists, how each way out ends the modal loop, and how
// it looks at two scales. The loop is driven from a thread timer, which
// runs one scripted step per tick inside it.
#include "settings/select_dir_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "capture/screen_copy.h"
#include "output/message_pump.h"
#include "output/picture_files.h"
#include "output/scratch_folder.h"
#include "platform/gdi_text_rasterizer.h"
#include "raster/text_rasterizer.h"

namespace lg::win {
namespace {

using Step = std::function<void(TSelectDirForm&)>;

// Runs ShowModal with `steps` executed one per timer tick inside its loop;
// when the loop is still running ten seconds after the last step, the
// picker is sent WM_CLOSE and the run counts as timed out.
class ModalScript {
public:
    explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {}

    int Run(TSelectDirForm& form, HWND owner, std::wstring_view initialFolder) {
        current_ = this;
        form_ = &form;
        const UINT_PTR timer = SetTimer(nullptr, 0, 40, &ModalScript::Tick);
        const int result = form.ShowModal(owner, initialFolder);
        KillTimer(nullptr, timer);
        current_ = nullptr;
        EXPECT_EQ(next_, steps_.size()) << "the loop ended before every step ran";
        return result;
    }
    bool TimedOut() const { return timedOut_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalScript* self = current_;
        if (!self || self->busy_) return;
        self->busy_ = true;
        if (self->next_ < self->steps_.size()) {
            self->steps_[self->next_++](*self->form_);
            self->lastStep_ = GetTickCount64();
        } else if (GetTickCount64() - self->lastStep_ > 10000 && !self->timedOut_) {
            self->timedOut_ = true;
            PostMessageW(self->form_->hwnd(), WM_CLOSE, 0, 0);
        }
        self->busy_ = false;
    }

    static inline ModalScript* current_ = nullptr;
    std::vector<Step> steps_;
    TSelectDirForm* form_ = nullptr;
    size_t next_ = 0;
    ULONGLONG lastStep_ = 0;
    bool busy_ = false;
    bool timedOut_ = false;
};

// The settings window the picker opens over.
class OwnerWindow {
public:
    OwnerWindow() {
        wnd_ = CreateWindowExW(0, L"STATIC", L"Настройки", WS_POPUP | WS_VISIBLE, 300, 180, 681,
                               439, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~OwnerWindow() { DestroyWindow(wnd_); }
    HWND get() const { return wnd_; }

private:
    HWND wnd_;
};

// A press and release in the middle of a windowless button.
void Click(TSelectDirForm& form, const TImageButton& button) {
    const LPARAM at =
        MAKELPARAM(button.Left() + button.Width() / 2, button.Top() + button.Height() / 2);
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, at);
    SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(form.hwnd(), WM_LBUTTONUP, 0, at);
}

void PressKey(const TSelectDirForm& form, WPARAM key) {
    PostMessageW(form.sShellTreeView1.hwnd(), WM_KEYDOWN, key, 1);
    PostMessageW(form.sShellTreeView1.hwnd(), WM_KEYUP, key, 0xC0000001);
}

std::wstring WithoutSeparator(std::wstring path) {
    if (path.size() > 3 && path.back() == L'\\') path.pop_back();
    return path;
}

struct ItemState {
    std::wstring name;
    int children;  // the control's indicator: 1 shows a button
};

std::vector<ItemState> ChildrenOf(HWND tree, HTREEITEM item) {
    std::vector<ItemState> items;
    for (HTREEITEM c = TreeView_GetChild(tree, item); c; c = TreeView_GetNextSibling(tree, c)) {
        wchar_t text[MAX_PATH] = {};
        TVITEMW tv{};
        tv.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_HANDLE;
        tv.hItem = c;
        tv.pszText = text;
        tv.cchTextMax = MAX_PATH;
        TreeView_GetItem(tree, &tv);
        items.push_back({text, tv.cChildren});
    }
    return items;
}

class SelectDirFormTest : public ::testing::Test {
protected:
    void SetUp() override { SetDefaultTextRasterizer(&text_); }
    void TearDown() override { SetDefaultTextRasterizer(nullptr); }

    GdiTextRasterizer text_;
    OwnerWindow owner_;
    test::ScratchFolder dir_{L"select-dir"};
    const std::wstring folder_ = WithoutSeparator(dir_.path());
};

TEST_F(SelectDirFormTest, OpensCentredOverItsDisabledOwnerWithTheFolderSelected) {
    ASSERT_TRUE(CreateDirectoryW((dir_ / L"Снимки экрана").c_str(), nullptr));
    const std::wstring chosen = dir_ / L"Снимки экрана";
    TSelectDirForm form;
    ModalScript script({[&](TSelectDirForm& f) {
                            EXPECT_TRUE(f.Showing());
                            EXPECT_FALSE(IsWindowEnabled(owner_.get())) << "the owner waits";
                            EXPECT_EQ(GetWindow(f.hwnd(), GW_OWNER), owner_.get());
                            RECT client{}, window{}, owner{};
                            GetClientRect(f.hwnd(), &client);
                            GetWindowRect(f.hwnd(), &window);
                            GetWindowRect(owner_.get(), &owner);
                            EXPECT_EQ(client.right, 402);
                            EXPECT_EQ(client.bottom, 634);
                            EXPECT_EQ(window.right - window.left, 402) << "no border";
                            EXPECT_NEAR(window.left + window.right, owner.left + owner.right, 1);
                            EXPECT_NEAR(window.top + window.bottom, owner.top + owner.bottom, 1);
                            const LONG exStyle = GetWindowLongW(f.hwnd(), GWL_EXSTYLE);
                            EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
                            EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
                            EXPECT_FALSE(GetWindowLongW(f.hwnd(), GWL_STYLE) & WS_CAPTION);
                            EXPECT_EQ(GetFocus(), f.sShellTreeView1.hwnd());
                            EXPECT_EQ(f.Path(), chosen);
                        },
                        [&](TSelectDirForm& f) { Click(f, f.ImageButton2); }});
    EXPECT_EQ(script.Run(form, owner_.get(), chosen + L"\\"), TSelectDirForm::kSaved);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_TRUE(IsWindowEnabled(owner_.get())) << "enabled again";
    EXPECT_FALSE(form.Showing());
    EXPECT_EQ(form.Path(), chosen) << "still readable after the choice";
}

TEST_F(SelectDirFormTest, EveryWayOutButSaveEndsWithCancelled) {
    struct Case {
        const char* way;
        Step step;
    } const cases[] = {
        {"Отменить", [](TSelectDirForm& f) { Click(f, f.ImageButton1); }},
        {"close button", [](TSelectDirForm& f) { Click(f, f.ImageButton3); }},
        {"Esc in the tree", [](TSelectDirForm& f) { PressKey(f, VK_ESCAPE); }},
        {"a request to close", [](TSelectDirForm& f) { PostMessageW(f.hwnd(), WM_CLOSE, 0, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        TSelectDirForm form;
        ModalScript script({c.step});
        EXPECT_EQ(script.Run(form, owner_.get(), folder_), TSelectDirForm::kCancelled);
        EXPECT_FALSE(script.TimedOut());
        EXPECT_TRUE(IsWindowEnabled(owner_.get()));
    }
}

TEST_F(SelectDirFormTest, SaveDoesNothingUntilTheSelectionIsAnExistingFolder) {
    const std::wstring doomed = dir_ / L"удалённая";
    ASSERT_TRUE(CreateDirectoryW(doomed.c_str(), nullptr));
    struct Case {
        const char* why;
        Step select;
    } const cases[] = {
        {"a virtual item has no path",
         [](TSelectDirForm& f) {
             HWND tree = f.sShellTreeView1.hwnd();
             HTREEITEM root = f.sShellTreeView1.Root();
             HTREEITEM item = TreeView_GetChild(tree, root);
             for (; item; item = TreeView_GetNextSibling(tree, item)) {
                 TreeView_SelectItem(tree, item);
                 if (f.Path().empty()) break;
             }
             ASSERT_NE(item, nullptr) << "the desktop holds the computer, which has no path";
         }},
        {"the folder went away while the picker was open",
         [&](TSelectDirForm& f) {
             ASSERT_TRUE(f.sShellTreeView1.SelectFolder(doomed));
             ASSERT_TRUE(RemoveDirectoryW(doomed.c_str()));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TSelectDirForm form;
        ModalScript script({c.select, [](TSelectDirForm& f) { Click(f, f.ImageButton2); },
                            [&](TSelectDirForm& f) {
                                EXPECT_TRUE(f.Showing()) << "still open after the save click";
                                ASSERT_TRUE(f.sShellTreeView1.SelectFolder(folder_));
                                Click(f, f.ImageButton2);
                            }});
        EXPECT_EQ(script.Run(form, owner_.get(), L""), TSelectDirForm::kSaved);
        EXPECT_FALSE(script.TimedOut());
        EXPECT_EQ(form.Path(), folder_);
    }
}

TEST_F(SelectDirFormTest, ListsFoldersOnlyByNameFilledOnExpandAndKeepsItsKeys) {
    for (const wchar_t* name : {L"Beta", L"alpha", L"Beta\\inner"}) {
        ASSERT_TRUE(CreateDirectoryW((dir_ / name).c_str(), nullptr));
    }
    ASSERT_TRUE(test::PlantFile(dir_ / L"note.txt", {1}));
    TSelectDirForm form;
    HWND tree = nullptr;
    HTREEITEM scratch = nullptr;
    ModalScript script({
        [&](TSelectDirForm& f) {
            tree = f.sShellTreeView1.hwnd();
            scratch = TreeView_GetSelection(tree);
            EXPECT_EQ(f.Path(), folder_);
            EXPECT_EQ(TreeView_GetChild(tree, scratch), nullptr) << "not listed before expanding";
            PressKey(f, VK_RIGHT);  // expands
        },
        [&](TSelectDirForm&) {
            const std::vector<ItemState> items = ChildrenOf(tree, scratch);
            ASSERT_EQ(items.size(), 2u) << "the file is left out";
            EXPECT_EQ(items[0].name, L"alpha") << "by name, case aside";
            EXPECT_EQ(items[1].name, L"Beta");
        },
        [&](TSelectDirForm& f) { PressKey(f, VK_DOWN); },
        [&](TSelectDirForm& f) {
            EXPECT_EQ(f.Path(), dir_ / L"alpha");
            PressKey(f, VK_RIGHT);  // finds nothing to show
        },
        [&](TSelectDirForm& f) {
            const std::vector<ItemState> items = ChildrenOf(tree, scratch);
            ASSERT_EQ(items.size(), 2u);
            EXPECT_EQ(items[0].children, 0) << "an empty folder loses its button";
            EXPECT_EQ(items[1].children, 1) << "a folder with a subfolder keeps it";
            PressKey(f, VK_DOWN);
        },
        [&](TSelectDirForm& f) {
            EXPECT_EQ(f.Path(), dir_ / L"Beta");
            Click(f, f.ImageButton2);
        },
    });
    EXPECT_EQ(script.Run(form, owner_.get(), folder_), TSelectDirForm::kSaved);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(form.Path(), dir_ / L"Beta");
}

TEST_F(SelectDirFormTest, ReachesAFolderInsideAHiddenOne) {
    // As the profile's application-data folder is hidden on Windows.
    const std::wstring hidden = dir_ / L"скрытая";
    const std::wstring inner = hidden + L"\\внутри";
    ASSERT_TRUE(CreateDirectoryW(hidden.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(inner.c_str(), nullptr));
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    if (!(GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN)) {
        GTEST_SKIP() << "this file system keeps no hidden attribute";
    }
    TSelectDirForm form;
    ModalScript script({[&](TSelectDirForm& f) {
        EXPECT_EQ(f.Path(), inner);
        Click(f, f.ImageButton2);
    }});
    EXPECT_EQ(script.Run(form, owner_.get(), inner), TSelectDirForm::kSaved);
    EXPECT_EQ(form.Path(), inner);
}

TEST_F(SelectDirFormTest, AMissingInitialFolderLeavesTheDesktopSelected) {
    wchar_t desktop[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop)));
    TSelectDirForm form;
    ModalScript script({[&](TSelectDirForm& f) {
        EXPECT_EQ(TreeView_GetSelection(f.sShellTreeView1.hwnd()), f.sShellTreeView1.Root());
        EXPECT_EQ(f.Path(), desktop);
        Click(f, f.ImageButton1);
    }});
    EXPECT_EQ(script.Run(form, owner_.get(), dir_ / L"нет такой"), TSelectDirForm::kCancelled);
}

// The window's pixels from the screen. A window taller than the screen is
// read in two parts, moved up between them.
TBitmap32 WindowPixels(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int screen = GetSystemMetrics(SM_CYSCREEN);
    TBitmap32 all;
    all.SetSize(w, h);
    TBitmap32 part;
    SetWindowPos(wnd, nullptr, r.left, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    test::PumpFor(200);
    CopyScreen(part, TRect{r.left, 0, r.right, std::min(h, screen)}, false);
    for (int y = 0; y < part.Height(); ++y) {
        for (int x = 0; x < w; ++x) all.SetPixelS(x, y, part.PixelS(x, y));
    }
    if (h > screen) {
        const int top = screen - h;
        SetWindowPos(wnd, nullptr, r.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        test::PumpFor(200);
        CopyScreen(part, TRect{r.left, 0, r.right, screen}, false);
        for (int y = screen; y < h; ++y) {
            for (int x = 0; x < w; ++x) all.SetPixelS(x, y, part.PixelS(x, y + top));
        }
    }
    SetWindowPos(wnd, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return all;
}

bool Near(TColor32 a, TColor32 b, int tolerance = 8) {
    return std::abs(int(RedOf(a)) - int(RedOf(b))) <= tolerance &&
           std::abs(int(GreenOf(a)) - int(GreenOf(b))) <= tolerance &&
           std::abs(int(BlueOf(a)) - int(BlueOf(b))) <= tolerance;
}

int CountNear(const TBitmap32& b, const TImageButton& in, TColor32 c, int tolerance = 8) {
    int n = 0;
    for (int y = in.Top(); y < in.Top() + in.Height(); ++y) {
        for (int x = in.Left(); x < in.Left() + in.Width(); ++x)
            n += Near(b.PixelS(x, y), c, tolerance);
    }
    return n;
}

TEST_F(SelectDirFormTest, LooksTheSameAtEachScale) {
    CreateDirectoryW(L"Z:\\tmp\\select-dir", nullptr);
    ASSERT_TRUE(CreateDirectoryW((dir_ / L"Снимки").c_str(), nullptr));
    TSelectDirForm form;
    std::vector<Step> steps;
    for (const int dpi : {96, 144}) {
        steps.push_back([dpi](TSelectDirForm& f) { f.SetScale(DisplayScale(dpi)); });
        steps.push_back([dpi](TSelectDirForm& f) {
            SCOPED_TRACE(dpi);
            const DisplayScale s(dpi);
            const TBitmap32 shot = WindowPixels(f.hwnd());
            ASSERT_EQ(shot.Width(), s.Px(402));
            ASSERT_EQ(shot.Height(), s.Px(634));
            const std::wstring file =
                L"Z:\\tmp\\select-dir\\picker-" + std::to_wstring(dpi) + L".png";
            WritePictureFile(ImageView32{shot.Bits(), shot.Width(), shot.Height(), shot.Width()},
                             file, PictureFormat::kPng);

            const TColor32 surface = Color32(9, 26, 50), white = Color32(255, 255, 255);
            EXPECT_TRUE(Near(shot.PixelS(s.Px(10), s.Px(300)), surface, 0)) << "left margin";
            EXPECT_TRUE(Near(shot.PixelS(s.Px(200), s.Px(15)), surface, 0)) << "top margin";
            EXPECT_TRUE(Near(shot.PixelS(s.Px(200), s.Px(573)), surface, 0)) << "above the bar";
            EXPECT_TRUE(Near(shot.PixelS(s.Px(21), s.Px(31)), white, 0)) << "the tree's corner";
            EXPECT_TRUE(Near(shot.PixelS(s.Px(381), s.Px(567)), white, 40) ||
                        Near(shot.PixelS(s.Px(381), s.Px(567)), Color32(240, 240, 240), 40))
                << "the tree reaches its bottom-right corner";
            // Primary button in the accent with a white caption; secondary
            // outlined; a light cross in the close button.
            const int area = f.ImageButton2.Width() * f.ImageButton2.Height();
            EXPECT_GT(CountNear(shot, f.ImageButton2, Color32(28, 194, 241)), area / 2);
            EXPECT_GT(CountNear(shot, f.ImageButton2, white, 30), s.Px(40));
            EXPECT_GT(CountNear(shot, f.ImageButton1, Color32(74, 110, 161)), s.Px(300));
            EXPECT_GT(CountNear(shot, f.ImageButton1, white, 30), s.Px(40));
            EXPECT_GT(CountNear(shot, f.ImageButton3, Color32(229, 229, 229), 40), s.Px(8));
        });
    }
    steps.push_back([](TSelectDirForm& f) { Click(f, f.ImageButton1); });
    ModalScript script(std::move(steps));
    EXPECT_EQ(script.Run(form, owner_.get(), dir_ / L"Снимки"), TSelectDirForm::kCancelled);
}

}  // namespace
}  // namespace lg::win
