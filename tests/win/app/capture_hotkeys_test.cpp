// The capture hotkeys on the system's real registration: refusal of a
// combination held elsewhere and what it leaves behind, release of the old
// combination, a stored bare key left unregistered at start, the hotkey
// message starting the capture of its kind, the hotkey editors' focus
// holding captures back, the application-wide activation handlers keeping
// the capture in front, and the mouse chord arriving through the hook from
// injected input.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/hot_key_service.h"
#include "app/mouse_chord_hook.h"
#include "capture/set_region_form.h"
#include "output/message_pump.h"
#include "output/panel_save.h"
#include "settings/settings.h"
#include "tools/panel_tools.h"

namespace lg::win {
namespace {

constexpr TShortCut kCtrlShift = kScCtrl | kScShift;
// Combinations no desktop binds.
constexpr TShortCut kF9 = kCtrlShift | VK_F9;
constexpr TShortCut kF10 = kCtrlShift | VK_F10;
constexpr TShortCut kF11 = kCtrlShift | VK_F11;

// A plain top-level window of the test, destroyed with it.
class TestWindow {
public:
    explicit TestWindow(DWORD style = WS_POPUP, DWORD exStyle = 0, RECT r = {0, 0, 10, 10},
                        const wchar_t* cls = L"STATIC", HWND parent = nullptr) {
        wnd_ =
            CreateWindowExW(exStyle, cls, L"", style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~TestWindow() {
        if (wnd_) DestroyWindow(wnd_);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND get() const { return wnd_; }

private:
    HWND wnd_ = nullptr;
};

// Another holder of combinations: takes `hk` under a fresh identifier.
class OtherHolder {
public:
    bool Take(TShortCut hk) {
        UINT mods = 0;
        if (hk & kScShift) mods |= MOD_SHIFT;
        if (hk & kScCtrl) mods |= MOD_CONTROL;
        if (hk & kScAlt) mods |= MOD_ALT;
        const int id = next_++;
        if (!RegisterHotKey(wnd_.get(), id, mods, hk & 0xFF)) return false;
        held_.push_back(id);
        return true;
    }
    void ReleaseAll() {
        for (int id : held_) UnregisterHotKey(wnd_.get(), id);
        held_.clear();
    }
    ~OtherHolder() { ReleaseAll(); }

private:
    TestWindow wnd_;
    int next_ = 1;
    std::vector<int> held_;
};

// The program as the application puts it together: the capture window, and
// the hotkey service registering the settings' hotkeys and asking the
// window for the capture of a pressed one.
class CaptureHotKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(form_.CreateForm());
        hotKeys_.OnCaptureRequested = [this](CaptureKind kind) {
            form_.StartSelectRegion(TypeSelectOf(kind));
        };
        form_.SetHotKeyRegistrar(&hotKeys_);
        hotKeys_.RegisterAll(LGSettings());
    }
    void TearDown() override {
        form_.Editor().Close();
        LGSettings() = settings_;
    }

    TLGSettings settings_ = LGSettings();
    TSetRegionForm form_;
    HotKeyService hotKeys_;
};

TEST_F(CaptureHotKeysTest, ACombinationHeldElsewhereIsRefusedAndLeavesTheKindWithout) {
    ASSERT_TRUE(hotKeys_.Register(thkArea, kF9));
    OtherHolder other;
    ASSERT_TRUE(other.Take(kF10));

    EXPECT_FALSE(hotKeys_.Register(thkArea, kF10));
    EXPECT_EQ(hotKeys_.RefusedHotKey(thkArea), kF10) << "kept for the settings window to explain";
    EXPECT_EQ(hotKeys_.RefusedHotKey(thkAll), 0);
    // The old combination went before the new one was tried.
    EXPECT_TRUE(other.Take(kF9)) << "the area capture still holds its old combination";

    other.ReleaseAll();
    // The capture window's RegHotKey hands over to the same registration.
    EXPECT_TRUE(form_.RegHotKey(thkArea, kF10));
    EXPECT_EQ(hotKeys_.RefusedHotKey(thkArea), 0);
    EXPECT_FALSE(other.Take(kF10)) << "the area capture holds it now";
}

TEST_F(CaptureHotKeysTest, AnotherCaptureKindsCombinationIsRefused) {
    ASSERT_TRUE(hotKeys_.Register(thkAll, kF11));
    EXPECT_FALSE(hotKeys_.Register(thkArea, kF11));
    EXPECT_TRUE(hotKeys_.Register(thkArea, kF9)) << "refusal leaves the hotkey usable";
}

// An older version may have stored a bare key: registered, it would take
// that key from every program. At start it is not offered to the system,
// and the kind is left without a hotkey, as after a refusal.
TEST_F(CaptureHotKeysTest, AStoredBareKeyIsNotRegisteredAtStart) {
    ASSERT_TRUE(hotKeys_.Register(thkArea, kF9));
    TLGSettings stored = LGSettings();
    stored.hkArea = 'Q';
    const HotKeyOutcomes outcomes = hotKeys_.RegisterAll(stored);
    EXPECT_FALSE(outcomes[2].registered);
    EXPECT_EQ(hotKeys_.RefusedHotKey(thkArea), 'Q') << "the settings window explains it";
    OtherHolder other;
    EXPECT_TRUE(other.Take('Q')) << "Q alone stays with the programs that type it";
    EXPECT_TRUE(other.Take(kF9)) << "the old combination went too";
}

TEST_F(CaptureHotKeysTest, RegisteringAgainReleasesTheOldCombination) {
    struct Case {
        const char* why;
        TShortCut next;
    };
    const Case cases[] = {
        {"another combination", kF10},
        {"no hotkey", 0},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(hotKeys_.Register(thkWin, kF9)) << c.why;
        hotKeys_.Register(thkWin, c.next);
        OtherHolder other;
        EXPECT_TRUE(other.Take(kF9)) << c.why;
        if (c.next != 0) {
            EXPECT_FALSE(other.Take(c.next)) << c.why;
        }
        other.ReleaseAll();
        hotKeys_.Register(thkWin, 0);
    }
}

// The hidden window the system sends the hotkeys to.
HWND HotKeyWindowOfProcess() {
    return FindWindowExW(HWND_MESSAGE, nullptr, L"TLumigrabHotKeyWindow", nullptr);
}

TEST_F(CaptureHotKeysTest, AHotKeyMessageStartsTheCaptureOfItsKind) {
    LGSettings().ShowRedact = true;
    HWND hidden = HotKeyWindowOfProcess();
    ASSERT_NE(hidden, nullptr);
    const TRect screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                       GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                       GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    // A borderless window: its visible frame is its rectangle on any system.
    TestWindow front(WS_POPUP | WS_VISIBLE, 0, RECT{120, 90, 420, 290});
    struct Case {
        const wchar_t* atom;
        std::optional<TRect> selection;  // on the screen; none: the user drags one
    };
    const Case cases[] = {
        {L"LG all", screen},
        {L"LG win", TRect{120, 90, 420, 290}},
        {L"LG area", std::nullopt},
    };
    for (const Case& c : cases) {
        SetForegroundWindow(front.get());
        const ATOM atom = GlobalFindAtomW(c.atom);
        ASSERT_NE(atom, 0) << "added at the registration";
        PostMessageW(hidden, WM_HOTKEY, atom, 0);
        ASSERT_GE(test::PumpUntil([&] { return IsWindowVisible(form_.hwnd()) != FALSE; }, 5000), 0)
            << c.atom;
        TRubberbandLayerNew& layer = form_.Editor().SelectionLayer();
        EXPECT_EQ(layer.VisibleRect(), c.selection.has_value()) << c.atom;
        if (c.selection) {
            const TRect work = form_.RectWork();
            EXPECT_EQ(work, screen);
            const TRect sel = RoundRect(layer.Location());
            EXPECT_EQ((TRect{sel.Left + work.Left, sel.Top + work.Top, sel.Right + work.Left,
                             sel.Bottom + work.Top}),
                      *c.selection)
                << c.atom;
        }
        form_.Editor().Close();
        test::PumpUntil([&] { return !IsWindowVisible(form_.hwnd()); }, 2000);
    }
}

TEST_F(CaptureHotKeysTest, AHotKeyEditorWithTheFocusHoldsCapturesBack) {
    TestWindow settings(WS_POPUP | WS_VISIBLE, 0, RECT{0, 0, 200, 100});
    TestWindow editor(WS_CHILD | WS_VISIBLE, 0, RECT{0, 0, 100, 20}, L"EDIT", settings.get());
    TestWindow other(WS_CHILD | WS_VISIBLE, 0, RECT{0, 40, 100, 60}, L"EDIT", settings.get());
    const HWND editors[] = {editor.get()};
    struct Case {
        const char* why;
        std::span<const HWND> registered;
        HWND focus;
        bool captures;
    };
    const Case cases[] = {
        {"typing into a hotkey editor", editors, editor.get(), false},
        {"another control of the settings", editors, other.get(), true},
        {"the settings window closed", {}, editor.get(), true},
    };
    for (const Case& c : cases) {
        form_.SetHotKeyEditors(c.registered);
        SetForegroundWindow(settings.get());
        SetFocus(c.focus);
        ASSERT_EQ(GetFocus(), c.focus) << c.why;
        form_.StartSelectRegion(2);
        EXPECT_EQ(form_.Editor().IsOpen(), c.captures) << c.why;
        form_.Editor().Close();
        test::PumpFor(50);
    }
    form_.SetHotKeyEditors({});
}

// True when `upper` lies above `lower` in the z-order.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == lower) return true;
    }
    return false;
}

TEST_F(CaptureHotKeysTest, ActivationChangesKeepTheCaptureAndItsOutputPanelInFront) {
    LGSettings().ShowRedact = true;
    TPanelSave panel;
    TPanelTools tools;
    ASSERT_TRUE(panel.CreateForm(form_));
    ASSERT_TRUE(tools.CreateForm(form_));
    form_.SetPanels(&panel, &tools);
    form_.StartSelectRegion(2);
    test::PumpFor(100);
    ASSERT_TRUE(panel.Showing());

    // Another program's topmost window comes up over everything.
    TestWindow intruder(WS_POPUP, WS_EX_TOPMOST, RECT{0, 0, 50, 50});
    SetWindowPos(intruder.get(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ASSERT_TRUE(IsAbove(intruder.get(), form_.hwnd()));

    SendMessageW(form_.hwnd(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_TRUE(IsAbove(form_.hwnd(), intruder.get())) << "another application became active";
    EXPECT_TRUE(IsAbove(panel.hwnd(), form_.hwnd())) << "the panels stay above the capture";
    EXPECT_TRUE(IsAbove(tools.hwnd(), form_.hwnd()));

    SetWindowPos(intruder.get(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(IsAbove(intruder.get(), panel.hwnd()));
    SendMessageW(form_.hwnd(), WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(IsAbove(panel.hwnd(), intruder.get())) << "the program became active";

    // Without an open capture neither handler shows anything.
    form_.Editor().Close();
    test::PumpFor(50);
    SendMessageW(form_.hwnd(), WM_ACTIVATEAPP, FALSE, 0);
    SendMessageW(form_.hwnd(), WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_FALSE(IsWindowVisible(form_.hwnd()));
    EXPECT_FALSE(panel.Showing());
    form_.SetPanels(nullptr, nullptr);
}

void SendButton(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
}

TEST(MouseChordHookTest, TheChordIsTakenFromTheLoopAndOnlyWhenSwitchedOn) {
    const TLGSettings saved = LGSettings();
    int chords = 0;
    InstallMouseChordHook([&] { ++chords; });
    struct Case {
        bool twoMouse;
        int chords;
    };
    const Case cases[] = {{true, 1}, {false, 0}, {true, 1}};
    for (const Case& c : cases) {
        LGSettings().TwoMouse = c.twoMouse;
        chords = 0;
        SendButton(MOUSEEVENTF_LEFTDOWN);
        SendButton(MOUSEEVENTF_RIGHTDOWN);
        // Nothing runs inside the hook: the capture waits for the loop.
        EXPECT_EQ(chords, 0);
        test::PumpUntil([&] { return chords > 0; }, c.chords ? 3000 : 300);
        EXPECT_EQ(chords, c.chords) << c.twoMouse;
        SendButton(MOUSEEVENTF_RIGHTUP);
        SendButton(MOUSEEVENTF_LEFTUP);
        test::PumpFor(50);
    }
    RemoveMouseChordHook();
    LGSettings() = saved;
}

}  // namespace
}  // namespace lg::win
