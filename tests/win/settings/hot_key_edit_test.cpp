// The hotkey editor as a window: key messages with the keyboard state it
// reads, PrintScreen through the message loop's filter, the double-click,
// OnChange, the focus question, the duplicate rule across three editors,
// and its look at two scales.
#include "settings/hot_key_edit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "capture/screen_copy.h"
#include "output/message_pump.h"
#include "output/png_encoder.h"
#include "platform/dib.h"
#include "platform/handles.h"
#include "settings/setting_form_rules.h"

namespace lg::win {
namespace {

// Holds the given keys down in this thread's keyboard state, which the
// editor reads for Shift, Ctrl and Alt, and lets them all go at the end.
class HeldKeys {
public:
    HeldKeys(std::initializer_list<int> keys) { Hold({keys.begin(), keys.size()}); }
    explicit HeldKeys(const std::vector<int>& keys) { Hold(keys); }
    ~HeldKeys() { Hold({}); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
    static void Hold(std::span<const int> keys) {
        BYTE state[256]{};
        for (int k : keys) state[k] = 0x80;
        SetKeyboardState(state);
    }
};

// Key data of a key message: repeat count 1; for the system keys the Alt
// bit (29), as the system sets it while Alt is down.
constexpr LPARAM kKeyData = 1;
constexpr LPARAM kAltKeyData = 1 | (LPARAM{1} << 29);

std::u16string WindowText(HWND wnd) {
    wchar_t buf[64]{};
    const int n = GetWindowTextW(wnd, buf, 64);
    return std::u16string(reinterpret_cast<const char16_t*>(buf), static_cast<size_t>(n));
}

// A plain top-level window for the editors to live on.
class HostWindow {
public:
    HostWindow() {
        wnd_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 40, 40, 400,
                               160, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(wnd_);
    }
    ~HostWindow() { DestroyWindow(wnd_); }
    HWND get() const { return wnd_; }

private:
    HWND wnd_;
};

class HotKeyEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host_.get());
        ASSERT_TRUE(editor_.Create(host_.get(), 10, 10, 176, 19, DisplayScale()));
        editor_.OnChange = [this] { shown_.push_back(editor_.Text()); };
        SetFocus(editor_.hwnd());
        HeldKeys::Hold({});
    }
    void TearDown() override { HeldKeys::Hold({}); }

    void Send(UINT msg, WPARAM vk, LPARAM data = kKeyData) {
        SendMessageW(editor_.hwnd(), msg, vk, data);
    }
    MSG MessageTo(HWND wnd, UINT msg, WPARAM vk, LPARAM data) const {
        MSG m{};
        m.hwnd = wnd;
        m.message = msg;
        m.wParam = vk;
        m.lParam = data;
        return m;
    }

    HostWindow host_;
    THotKey editor_;
    std::vector<std::u16string> shown_;
};

TEST_F(HotKeyEditTest, CtrlShiftSShowsShiftBeforeCtrl) {
    {
        HeldKeys keys{VK_CONTROL};
        Send(WM_KEYDOWN, VK_CONTROL);
    }
    {
        HeldKeys keys{VK_CONTROL, VK_SHIFT};
        Send(WM_KEYDOWN, VK_SHIFT);
        Send(WM_KEYDOWN, 'S');
        Send(WM_KEYUP, 'S');
    }
    Send(WM_KEYUP, VK_SHIFT);
    Send(WM_KEYUP, VK_CONTROL);
    EXPECT_EQ(shown_, (std::vector<std::u16string>{u"Ctrl+", u"Shift+Ctrl+", u"Shift+Ctrl+S"}));
    EXPECT_EQ(editor_.HotKey(), kScShift | kScCtrl | 'S');
    EXPECT_EQ(WindowText(editor_.hwnd()), u"Shift+Ctrl+S") << "the window's text is the shown text";
}

TEST_F(HotKeyEditTest, ModifiersAloneThenReleaseEmptiesTheTextButKeepTheHotKey) {
    editor_.SetHotKey(0x202C);
    {
        HeldKeys keys{VK_CONTROL};
        Send(WM_KEYDOWN, VK_CONTROL);
        EXPECT_EQ(editor_.Text(), u"Ctrl+");
        EXPECT_EQ(editor_.HotKey(), 0x202C);
    }
    Send(WM_KEYUP, VK_CONTROL);
    EXPECT_EQ(editor_.Text(), u"");
    EXPECT_EQ(editor_.HotKey(), 0x202C);
}

TEST_F(HotKeyEditTest, AltCombinationsArriveAsSystemKeys) {
    {
        HeldKeys keys{VK_MENU};
        Send(WM_SYSKEYDOWN, VK_MENU, kAltKeyData);
        EXPECT_EQ(editor_.Text(), u"Alt+");
        Send(WM_SYSKEYDOWN, 'A', kAltKeyData);
        Send(WM_SYSKEYUP, 'A', kAltKeyData);
    }
    Send(WM_KEYUP, VK_MENU);
    EXPECT_EQ(editor_.Text(), u"Alt+A");
    EXPECT_EQ(editor_.HotKey(), kScAlt | 'A');
    // With Ctrl also held the system sends plain key messages; the keyboard
    // state still tells Alt.
    HeldKeys keys{VK_CONTROL, VK_MENU};
    Send(WM_KEYDOWN, VK_F5);
    EXPECT_EQ(editor_.Text(), u"Ctrl+Alt+F5");
}

TEST_F(HotKeyEditTest, NumpadFiveAndTheKeysTheEditorTakesOrLeaves) {
    Send(WM_KEYDOWN, VK_NUMPAD5);
    EXPECT_EQ(editor_.Text(), u"5");
    EXPECT_EQ(editor_.HotKey(), VK_NUMPAD5);
    for (WPARAM kept : {VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_DELETE}) {
        Send(WM_KEYDOWN, kept);
    }
    Send(WM_CHAR, 'a');
    EXPECT_EQ(editor_.HotKey(), VK_NUMPAD5) << "navigation keys and characters change nothing";
    EXPECT_EQ(editor_.Text(), u"5");
    // Dialog navigation must not take Tab, Enter or Esc from it: the editor
    // gets Tab, refuses it alone (it would be taken from every program) and
    // takes it with a modifier.
    const LRESULT code = SendMessageW(editor_.hwnd(), WM_GETDLGCODE, VK_TAB, 0);
    EXPECT_TRUE(code & DLGC_WANTALLKEYS);
    Send(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(editor_.Rejected(), VK_TAB);
    EXPECT_EQ(editor_.Text(), u"5");
    HeldKeys keys{VK_CONTROL};
    Send(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(editor_.Text(), u"Ctrl+Tab");
    EXPECT_EQ(editor_.Rejected(), 0);
}

TEST_F(HotKeyEditTest, TypingKeysAloneAreRefusedAndTheCombinationKept) {
    editor_.SetHotKey(0x802C);
    for (WPARAM vk : {WPARAM{'A'}, WPARAM{'7'}, WPARAM{VK_SPACE}, WPARAM{VK_RETURN},
                      WPARAM{VK_ESCAPE}, WPARAM{VK_BACK}}) {
        shown_.clear();
        Send(WM_KEYDOWN, vk);
        Send(WM_KEYUP, vk);
        EXPECT_EQ(editor_.HotKey(), 0x802C) << vk;
        EXPECT_EQ(editor_.Rejected(), vk) << vk;
        EXPECT_EQ(WindowText(editor_.hwnd()), u"Alt+Prt Scr") << vk;
        EXPECT_EQ(shown_.size(), 1u) << vk << ": the refusal is a change the window hears";
    }
    // F-keys, Pause and Insert stay allowed alone.
    for (WPARAM vk : {WPARAM{VK_F8}, WPARAM{VK_PAUSE}, WPARAM{VK_INSERT}}) {
        Send(WM_KEYDOWN, vk);
        EXPECT_EQ(editor_.HotKey(), vk);
        EXPECT_EQ(editor_.Rejected(), 0);
    }
}

TEST_F(HotKeyEditTest, ProgramSetsCannotBeOverwrittenThroughTheWindowText) {
    editor_.SetHotKey(0x802C);
    EXPECT_EQ(editor_.Text(), u"Alt+Prt Scr");
    editor_.SetHotKey(0x802C);
    SetWindowTextW(editor_.hwnd(), L"typed");
    EXPECT_EQ(WindowText(editor_.hwnd()), u"Alt+Prt Scr");
    editor_.SetHotKey(0);
    EXPECT_EQ(shown_, (std::vector<std::u16string>{u"Alt+Prt Scr", u""}))
        << "once per change of the shown text";
}

struct PrintCase {
    const char* name;
    UINT message;
    LPARAM data;
    std::vector<int> held;
    TShortCut expected;
};

TEST_F(HotKeyEditTest, PrintScreenFromTheLoopIsAKeyDown) {
    const PrintCase cases[] = {
        {"release", WM_KEYUP, kKeyData, {}, 0x2C},
        {"altReleaseFromTheKeyData", WM_SYSKEYUP, kAltKeyData, {}, 0x802C},
        {"shiftFromTheKeyboardState", WM_KEYUP, kKeyData, {VK_SHIFT}, 0x202C},
        {"ctrlPress", WM_KEYDOWN, kKeyData, {VK_CONTROL}, 0x402C},
        {"altPress", WM_SYSKEYDOWN, kAltKeyData, {VK_SHIFT}, 0xA02C},
    };
    for (const PrintCase& c : cases) {
        SCOPED_TRACE(c.name);
        editor_.SetHotKey(0);
        HeldKeys keys(c.held);
        EXPECT_TRUE(
            THotKey::PreTranslate(MessageTo(editor_.hwnd(), c.message, VK_SNAPSHOT, c.data)));
        EXPECT_EQ(editor_.HotKey(), c.expected);
    }
    EXPECT_EQ(editor_.Text(), u"Shift+Alt+Prt Scr");

    // Not an editor's, or not PrintScreen: the loop dispatches it as usual.
    editor_.SetHotKey(0);
    EXPECT_FALSE(THotKey::PreTranslate(MessageTo(host_.get(), WM_KEYUP, VK_SNAPSHOT, kKeyData)));
    EXPECT_FALSE(THotKey::PreTranslate(MessageTo(editor_.hwnd(), WM_KEYDOWN, 'S', kKeyData)));
    EXPECT_FALSE(THotKey::PreTranslate(MessageTo(editor_.hwnd(), WM_CHAR, VK_SNAPSHOT, kKeyData)));
    EXPECT_EQ(editor_.HotKey(), 0);
}

// The way the program's loop uses it: a queued release reaches the
// editor as PrintScreen and is not dispatched on.
TEST_F(HotKeyEditTest, AQueuedReleaseThroughALoopSetsPrintScreen) {
    PostMessageW(editor_.hwnd(), WM_SYSKEYUP, VK_SNAPSHOT, kAltKeyData);
    int taken = 0, dispatchedPrint = 0;
    const ULONGLONG start = GetTickCount64();
    while (taken + dispatchedPrint == 0 && GetTickCount64() - start < 2000) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (THotKey::PreTranslate(m)) {
                ++taken;
                continue;
            }
            if (m.message == WM_SYSKEYUP && m.wParam == VK_SNAPSHOT) ++dispatchedPrint;
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(dispatchedPrint, 0);
    EXPECT_EQ(editor_.HotKey(), 0x802C);
    EXPECT_EQ(editor_.Text(), u"Alt+Prt Scr");
}

TEST_F(HotKeyEditTest, DoubleClickClearsAndIsReported) {
    editor_.SetHotKey(0x202C);
    int dblClicks = 0;
    editor_.OnDblClick = [&] {
        ++dblClicks;
        EXPECT_EQ(editor_.HotKey(), 0) << "already cleared";
    };
    shown_.clear();
    SendMessageW(editor_.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 8));
    EXPECT_EQ(editor_.HotKey(), 0);
    EXPECT_EQ(editor_.Text(), u"");
    EXPECT_EQ(dblClicks, 1);
    EXPECT_EQ(shown_, (std::vector<std::u16string>{u""}));
}

// Two real clicks: the window class must ask for double-clicks.
TEST_F(HotKeyEditTest, TwoRealClicksClear) {
    editor_.SetHotKey(0x2C);
    int dblClicks = 0;
    editor_.OnDblClick = [&] { ++dblClicks; };
    RECT r{};
    GetWindowRect(editor_.hwnd(), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    test::PumpFor(50);
    INPUT in[4]{};
    for (int i = 0; i < 4; ++i) {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dwFlags = (i % 2 == 0) ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    ASSERT_EQ(SendInput(4, in, sizeof(INPUT)), 4u);
    EXPECT_GE(test::PumpUntil([&] { return dblClicks > 0; }, 2000), 0);
    EXPECT_EQ(editor_.HotKey(), 0);
    EXPECT_EQ(GetFocus(), editor_.hwnd());
}

TEST_F(HotKeyEditTest, AnyHasFocusFollowsTheFocus) {
    THotKey other;
    ASSERT_TRUE(other.Create(host_.get(), 10, 40, 176, 19, DisplayScale()));
    SetFocus(editor_.hwnd());
    EXPECT_TRUE(THotKey::AnyHasFocus());
    SetFocus(host_.get());
    EXPECT_FALSE(THotKey::AnyHasFocus());
    // A click gives it the focus.
    SendMessageW(other.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), other.hwnd());
    EXPECT_TRUE(THotKey::AnyHasFocus());
    {
        // A focused editor destroyed: the focus question does not see it.
        THotKey gone;
        ASSERT_TRUE(gone.Create(host_.get(), 10, 70, 176, 19, DisplayScale()));
        SetFocus(gone.hwnd());
        EXPECT_TRUE(THotKey::AnyHasFocus());
    }
    EXPECT_FALSE(THotKey::AnyHasFocus());
}

// The settings window's wiring: each editor's OnChange clears it when it
// takes a combination another editor holds.
TEST_F(HotKeyEditTest, ThreeEditorsWithTheDuplicateRule) {
    THotKey all, area, win;
    ASSERT_TRUE(all.Create(host_.get(), 10, 40, 176, 19, DisplayScale()));
    ASSERT_TRUE(area.Create(host_.get(), 10, 70, 176, 19, DisplayScale()));
    ASSERT_TRUE(win.Create(host_.get(), 10, 100, 176, 19, DisplayScale()));
    const auto values = [&] {
        return HotKeyEditorValues{all.HotKey(), area.HotKey(), win.HotKey()};
    };
    const auto wire = [&](THotKey& e, HotKeyEditorId id) {
        e.OnChange = [&e, id, values] {
            if (HotKeyClash(id, values())) e.SetHotKey(0);
        };
    };
    wire(all, HotKeyEditorId::hkAllScreen);
    wire(area, HotKeyEditorId::hkAreaScreen);
    wire(win, HotKeyEditorId::hkWinScreen);
    all.SetHotKey(0x202C);
    area.SetHotKey(0x2C);
    win.SetHotKey(0x802C);

    // Area takes the whole screen's Shift+PrintScreen: area is cleared.
    SetFocus(area.hwnd());
    {
        HeldKeys keys{VK_SHIFT};
        EXPECT_TRUE(THotKey::PreTranslate(MessageTo(area.hwnd(), WM_KEYUP, VK_SNAPSHOT, kKeyData)));
    }
    EXPECT_EQ(area.HotKey(), 0);
    EXPECT_EQ(area.Text(), u"");
    EXPECT_EQ(all.HotKey(), 0x202C);
    // PrintScreen is free now that area gave it up: the window may take it.
    win.SetHotKey(0x2C);
    EXPECT_EQ(win.HotKey(), 0x2C);
    // The whole screen takes the window's: the whole screen is cleared.
    SendMessageW(all.hwnd(), WM_KEYUP, VK_SNAPSHOT, kKeyData);
    EXPECT_EQ(all.HotKey(), 0);
    EXPECT_EQ(win.HotKey(), 0x2C);
}

// Pixels of the editor as it paints itself, through WM_PRINTCLIENT.
struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> argb;  // $AARRGGBB
    std::uint32_t At(int x, int y) const {
        return argb[static_cast<size_t>(y) * width + x] & 0xFFFFFF;
    }
};

Pixels Render(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    Pixels p;
    p.width = r.right;
    p.height = r.bottom;
    BITMAPINFO bi = TopDownDib32(p.width, p.height);
    void* bits = nullptr;
    ScopedGetDc screen(nullptr);
    UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    UniqueGdiObject dib(CreateDIBSection(dc.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib) return p;
    {
        ScopedSelect select(dc.get(), dib.get());
        SendMessageW(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
        GdiFlush();
    }
    const auto* src = static_cast<const std::uint32_t*>(bits);
    p.argb.assign(src, src + static_cast<size_t>(p.width) * p.height);
    return p;
}

// Writes the picture as PNG into $LUMIGRAB_TEST_SHOTS, when that is set,
// for a person to look at.
void Keep(const Pixels& p, const char* name) {
    const char* dir = std::getenv("LUMIGRAB_TEST_SHOTS");
    if (!dir || !*dir) return;
    std::vector<std::uint8_t> png;
    const ImageView32 view{p.argb.data(), p.width, p.height, p.width};
    if (EncodePng(view, png, PngOptions{1}) != EncodeStatus::kOk) return;
    const std::string path = std::string(dir) + "\\" + name + ".png";
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(png.data(), 1, png.size(), f);
        std::fclose(f);
    }
}

constexpr std::uint32_t kBackground = 0x091A32;  // RGB(9, 26, 50)
constexpr std::uint32_t kText = 0xAAB1B2;        // RGB(170, 177, 178)

TEST(HotKeyEditLook, SurfaceTextColourAndSizeAtTwoScales) {
    HostWindow host;
    struct Case {
        int dpi;
        TSize size;
    } const cases[] = {{96, {176, 19}}, {144, {264, 29}}};
    TSize ink96;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        THotKey editor;
        ASSERT_TRUE(editor.Create(host.get(), 10, 10, 176, 19, DisplayScale(c.dpi)));
        editor.SetHotKey(kScShift | kScCtrl | 'S');
        RECT client{};
        GetClientRect(editor.hwnd(), &client);
        EXPECT_EQ(client.right, c.size.cx);
        EXPECT_EQ(client.bottom, c.size.cy);

        const Pixels p = Render(editor.hwnd());
        ASSERT_EQ(p.width, c.size.cx);
        Keep(p, c.dpi == 96 ? "hotkey-edit-96" : "hotkey-edit-144");
        // No border: the surface reaches every edge.
        EXPECT_EQ(p.At(0, 0), kBackground);
        EXPECT_EQ(p.At(p.width - 1, p.height - 1), kBackground);
        EXPECT_EQ(p.At(p.width - 1, 0), kBackground);
        // The ink: full-coverage pixels in the text colour, every other
        // pixel between surface and text; inside the field, at its left.
        int fullInk = 0, top = p.height, bottom = -1, left = p.width, right = -1;
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                const std::uint32_t px = p.At(x, y);
                if (px == kBackground) continue;
                for (int shift : {0, 8, 16}) {
                    const int v = (px >> shift) & 0xFF;
                    EXPECT_GE(v, int((kBackground >> shift) & 0xFF)) << x << "," << y;
                    EXPECT_LE(v, int((kText >> shift) & 0xFF)) << x << "," << y;
                }
                fullInk += px == kText;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        EXPECT_GT(fullInk, 10);
        EXPECT_GE(left, DisplayScale(c.dpi).Px(2));
        EXPECT_LT(right, p.width * 2 / 3) << "\"Shift+Ctrl+S\" fills about half";
        EXPECT_GT(top, 0);
        EXPECT_LT(bottom, p.height - 1);
        const TSize ink{right - left + 1, bottom - top + 1};
        if (c.dpi == 96) {
            ink96 = ink;
            // Cap height of a 15-pixel face.
            EXPECT_GE(ink.cy, 10);
            EXPECT_LE(ink.cy, 15);
        } else {
            // The font scales with the display; whole-pixel advances and
            // the rounded font height leave a few per cent either way.
            EXPECT_NEAR(ink.cx, ink96.cx * 1.5, ink96.cx * 0.15);
            EXPECT_NEAR(ink.cy, ink96.cy * 1.5, 2.0);
        }

        // What the screen shows is what it paints.
        UpdateWindow(editor.hwnd());
        test::PumpFor(50);
        RECT onScreen{};
        GetWindowRect(editor.hwnd(), &onScreen);
        TBitmap32 screen;
        ASSERT_TRUE(CopyScreen(
            screen, TRect{onScreen.left, onScreen.top, onScreen.right, onScreen.bottom}, false));
        int differing = 0;
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                differing += (screen.PixelS(x, y) & 0xFFFFFF) != p.At(x, y);
            }
        }
        EXPECT_EQ(differing, 0);
    }
}

}  // namespace
}  // namespace lg::win
