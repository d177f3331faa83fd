#include "app/countdown_window.h"

#include <string>

#include "art/art_colors.h"
#include "platform/display_dpi.h"
#include "platform/trace.h"
#include "raster/shapes.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TLumigrabCountdown";
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT_PTR kGoneTimer = 2;
// The windows below the hidden panel repaint what it covered (in other
// threads and processes) before the screen is frozen; the tray menu's
// capture waits for its menu to go in the same way.
constexpr UINT kGoneMs = 400;
constexpr int kEscapeHotKeyId = 1;

// The picture in 96-DPI units: the accent bar of the time left along the
// top, the number, the hint along the bottom.
constexpr int kBarHeight = 3;
constexpr int kNumberTop = 12;
constexpr int kNumberFontHeight = 56;
constexpr int kHintBottom = 12;
constexpr int kHintFontHeight = 13;
constexpr char16_t kFontFamily[] = u"Roboto";
constexpr char16_t kHint[] = u"Esc — отмена";
constexpr TColor32 kNumberInk = art::kInkHover;
constexpr TColor32 kHintInk = Color32(170, 177, 178);
// Nearly opaque: the number reads over any picture, the screen shows a
// little through it where the system blends layered windows.
constexpr BYTE kOpacity = 240;

}  // namespace

CountdownWindow::CountdownWindow()
    : SurfaceWindow(TSize{kClientWidth, kClientHeight}, art::kPanelSurface, Anchor::TopLeft) {
    Controls().OnPaintBackground = [this](TBitmap32& surface) { Paint(surface); };
}

bool CountdownWindow::CreateForm(HWND owner) {
    if (!RegisterClassOnce(kClassName)) return false;
    WindowArgs args =
        TopmostToolWindow(kClassName, L"ЛюмиГРАБ", WS_POPUP, kClientWidth, kClientHeight, owner);
    // Clicks go through to what lies below; it never takes the focus.
    args.exStyle |= WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE;
    args.options = {.noActivate = true};
    if (!Create(args)) return false;
    SetLayeredWindowAttributes(hwnd(), 0, kOpacity, LWA_ALPHA);
    AttachControls({});
    return true;
}

void CountdownWindow::Start(int seconds) {
    if (!hwnd()) return;
    KillTimer(hwnd(), kGoneTimer);
    capturePending_ = false;
    total_ = seconds;
    shown_ = 0;  // drawn afresh: a restart may show the same number of another delay
    countdown_.Start(seconds, GetTickCount());
    if (!escape_) {
        escape_.emplace(hwnd(), kEscapeHotKeyId, MOD_NOREPEAT, VK_ESCAPE);
        if (!escape_->Held()) Trace(L"countdown: Esc is held by another program");
    }
    wchar_t text[48];
    wsprintfW(text, L"countdown started, %d s", seconds);
    Trace(text);
    PlaceUnderPointer();
    Tick();
}

void CountdownWindow::Cancel() {
    if (!Active()) return;
    countdown_.Cancel();
    capturePending_ = false;
    KillTimer(hwnd(), kGoneTimer);
    Hide();
    Trace(L"countdown cancelled");
}

void CountdownWindow::Tick() {
    const CountdownTick tick = countdown_.Tick(GetTickCount());
    if (tick.due) {
        Hide();
        capturePending_ = true;
        SetTimer(hwnd(), kGoneTimer, kGoneMs, nullptr);
        Trace(L"countdown over, window hidden");
        return;
    }
    if (!countdown_.Running()) return;
    if (tick.secondsLeft != shown_) {
        shown_ = tick.secondsLeft;
        wchar_t text[32];
        wsprintfW(text, L"countdown %d", shown_);
        Trace(text);
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
    ShowTopmostInactive();
    // Set again each time: the interval is what is left of this second.
    SetTimer(hwnd(), kTickTimer, tick.nextInMs, nullptr);
}

void CountdownWindow::Hide() {
    KillTimer(hwnd(), kTickTimer);
    escape_.reset();
    shown_ = 0;
    ShowWindow(hwnd(), SW_HIDE);
}

void CountdownWindow::PlaceUnderPointer() {
    POINT cursor{};
    GetCursorPos(&cursor);
    HMONITOR monitor = MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (!GetMonitorInfoW(monitor, &mi)) return;
    SetScale(ScaleOfMonitor(monitor));
    const RECT& work = mi.rcWork;
    const int x = work.left + (work.right - work.left - ClientWidth()) / 2;
    const int y = work.top + (work.bottom - work.top - ClientHeight()) / 2;
    SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CountdownWindow::OnTimer(UINT_PTR id) {
    if (id == kTickTimer) {
        Tick();
        return true;
    }
    if (id == kGoneTimer) {
        KillTimer(hwnd(), kGoneTimer);
        if (!capturePending_) return true;
        capturePending_ = false;
        if (OnCapture) OnCapture();
        return true;
    }
    return false;
}

LRESULT CountdownWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_HOTKEY:
            if (wp == kEscapeHotKeyId) {
                Trace(L"countdown: Esc");
                Cancel();
                return 0;
            }
            break;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
    }
    return SurfaceWindow::HandleMessage(msg, wp, lp);
}

void CountdownWindow::Paint(TBitmap32& surface) const {
    const DisplayScale& s = Scale();
    const int w = surface.Width(), h = surface.Height();
    FillFrame(surface, surface.BoundsRect(), s.Px(1), art::kPressedFill);
    if (total_ > 0 && shown_ > 0) {
        surface.FillRectTS(0, 0, w * shown_ / total_, s.Px(kBarHeight), art::kAccent);
    }

    TFontDesc font;
    font.Family = kFontFamily;
    font.PixelHeight = s.Px(kNumberFontHeight);
    font.Color = kNumberInk;
    surface.SetFont(font);
    if (shown_ > 0) {
        const std::wstring digits = std::to_wstring(shown_);
        const std::u16string text(digits.begin(), digits.end());
        surface.Textout((w - surface.TextWidth(text)) / 2, s.Px(kNumberTop), text);
    }

    font.PixelHeight = s.Px(kHintFontHeight);
    font.Color = kHintInk;
    surface.SetFont(font);
    const int hintHeight = surface.TextHeight(kHint);
    surface.Textout((w - surface.TextWidth(kHint)) / 2, h - s.Px(kHintBottom) - hintHeight, kHint);
}

}  // namespace lg::win
