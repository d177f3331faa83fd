#include "controls/combo_list_window.h"

#include <windowsx.h>

#include <algorithm>

#include "controls/buffer_blit.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TVEYComboList";

// A held scroll arrow or track steps again after a short wait, then about
// 20 times a second, near what the system's own scroll bars do.
constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kRepeatFirstMs = 350;
constexpr UINT kRepeatNextMs = 50;

// The one list that is open in the process.
ComboListWindow* g_open = nullptr;

}  // namespace

ComboListWindow::ComboListWindow(TVEYComboBox& box) : box_(box) {
    box_.OnDropDown = [this](TVEYComboBox&) { Open(); };
    box_.OnCloseUp = [this](TVEYComboBox&) { Hidden(); };
}

ComboListWindow::~ComboListWindow() {
    if (g_open == this) g_open = nullptr;
    box_.OnDropDown = nullptr;
    box_.OnCloseUp = nullptr;
}

bool ComboListWindow::Attach(HWND faceWindow) {
    face_ = faceWindow;
    if (hwnd()) return true;
    if (!RegisterClassOnce(kClassName, CS_DROPSHADOW)) return false;
    return Create({.className = kClassName,
                   .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                   .x = 0,
                   .y = 0,
                   .width = 1,
                   .height = 1,
                   .parent = GetAncestor(faceWindow, GA_ROOT)});
}

void ComboListWindow::Close() {
    if (box_.DroppedDown()) box_.SetDroppedDown(false);
}

void ComboListWindow::Open() {
    if (!hwnd() || !face_) {
        box_.SetDroppedDown(false);
        return;
    }
    if (g_open && g_open != this) g_open->Close();
    const ComboListGeometry g = box_.ListGeometry();
    POINT face{box_.Left(), box_.Top()};
    ClientToScreen(face_, &face);
    int left = face.x + g.bounds.Left;
    int top = face.y + g.bounds.Top;
    const int w = g.bounds.Width(), h = g.bounds.Height();

    // On the face's monitor: above the face when the list would run past
    // the bottom of the work area, and moved in from its sides.
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (GetMonitorInfoW(MonitorFromWindow(face_, MONITOR_DEFAULTTONEAREST), &mi)) {
        const RECT& work = mi.rcWork;
        if (top + h > work.bottom && face.y - h >= work.top) top = face.y - h;
        left = std::max<int>(work.left, std::min<int>(left, work.right - w));
    }
    g_open = this;
    wheelRest_ = 0;
    pressing_ = false;
    barPressed_ = false;
    pendingHigh_ = 0;
    SetWindowPos(hwnd(), HWND_TOPMOST, left, top, w, h, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Repaint();
    SetCapture(hwnd());
}

void ComboListWindow::Hidden() {
    if (g_open == this) g_open = nullptr;
    if (!hwnd()) return;
    StopRepeat();
    barPressed_ = false;
    if (GetCapture() == hwnd()) ReleaseCapture();
    ShowWindow(hwnd(), SW_HIDE);
    // The face shows the pick, and its button the mouse's place.
    if (face_) InvalidateRect(face_, nullptr, FALSE);
}

void ComboListWindow::Wheel(int delta) {
    if (!box_.DroppedDown()) return;
    wheelRest_ += delta;
    const int notches = wheelRest_ / WHEEL_DELTA;
    wheelRest_ -= notches * WHEEL_DELTA;
    if (notches == 0) return;
    box_.ScrollList(-notches);
    // The row under the pointer is the highlighted one after the scroll.
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(hwnd(), &p);
    box_.ListMouseMove(p.x, p.y);
    Repaint();
}

bool ComboListWindow::Key(WPARAM vk) {
    if (!box_.DroppedDown()) return false;
    const int page = std::max(1, box_.ListGeometry().rows - 1);
    switch (vk) {
        case VK_ESCAPE:
            Close();
            return true;
        case VK_RETURN:
            box_.PickHighlighted();
            return true;
        case VK_UP:
            box_.MoveHighlight(-1);
            break;
        case VK_DOWN:
            box_.MoveHighlight(1);
            break;
        case VK_PRIOR:
            box_.MoveHighlight(-page);
            break;
        case VK_NEXT:
            box_.MoveHighlight(page);
            break;
        case VK_HOME:
            box_.MoveHighlight(-static_cast<int>(box_.Items().size()));
            break;
        case VK_END:
            box_.MoveHighlight(static_cast<int>(box_.Items().size()));
            break;
        default:
            return false;
    }
    Repaint();
    return true;
}

void ComboListWindow::Char(WPARAM unit) {
    if (!box_.DroppedDown()) return;
    const auto u = static_cast<char16_t>(unit);
    char32_t c = u;
    if (u >= 0xD800 && u <= 0xDBFF) {
        pendingHigh_ = u;
        return;
    }
    if (u >= 0xDC00 && u <= 0xDFFF) {
        if (pendingHigh_ == 0) return;
        c = 0x10000 + ((static_cast<char32_t>(pendingHigh_) - 0xD800) << 10) + (u - 0xDC00);
    }
    pendingHigh_ = 0;
    if (box_.TypeLetter(c)) Repaint();
}

bool ComboListWindow::PreTranslate(const MSG& msg) {
    if (!g_open) return false;
    if (msg.message == WM_MOUSEWHEEL) {
        g_open->Wheel(GET_WHEEL_DELTA_WPARAM(msg.wParam));
        return true;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) return g_open->Key(msg.wParam);
    if (msg.message == WM_CHAR) {
        // The list has the keyboard while it is open: a letter looks for an
        // item instead of going into the text being typed behind it.
        g_open->Char(msg.wParam);
        return true;
    }
    return false;
}

ComboClickPlace ComboListWindow::PlaceOf(POINT client) const {
    RECT own{};
    GetClientRect(hwnd(), &own);
    if (PtInRect(&own, client)) return ComboClickPlace::List;
    POINT onFace = client;
    MapWindowPoints(hwnd(), face_, &onFace, 1);
    const TRect face = box_.BoundsRect();
    if (onFace.x >= face.Left && onFace.x < face.Right && onFace.y >= face.Top &&
        onFace.y < face.Bottom) {
        return ComboClickPlace::Face;
    }
    return ComboClickPlace::Outside;
}

void ComboListWindow::Repaint() {
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void ComboListWindow::StartRepeat() {
    SetTimer(hwnd(), kRepeatTimer, kRepeatFirstMs, nullptr);
}

void ComboListWindow::StopRepeat() {
    KillTimer(hwnd(), kRepeatTimer);
}

void ComboListWindow::Repeat() {
    SetTimer(hwnd(), kRepeatTimer, kRepeatNextMs, nullptr);
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(hwnd(), &p);
    const int top = box_.TopIndex();
    if (!box_.ListScrollRepeat(p.x, p.y)) StopRepeat();
    if (box_.TopIndex() != top) Repaint();
}

void ComboListWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    try {
        const ComboListGeometry g = box_.ListGeometry();
        if (buffer_.Width() != g.bounds.Width() || buffer_.Height() != g.bounds.Height()) {
            buffer_.SetSize(g.bounds.Width(), g.bounds.Height());
        }
        box_.PaintList(buffer_);
        BlitBuffer(dc, buffer_, buffer_.BoundsRect());
    } catch (...) {
        // No memory for the buffer: the old pixels stay.
    }
    EndPaint(hwnd(), &ps);
}

LRESULT ComboListWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            if (box_.ListMouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp))) Repaint();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            // The whole click belongs to the list, the release included, so
            // no window under it sees half of one once the list is gone.
            const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (barPressed_) {  // another button while the bar is held lets it go
                StopRepeat();
                box_.ListMouseUp();
            }
            pressed_ = PlaceOf(p);
            pressedLeft_ = msg == WM_LBUTTONDOWN;
            pressing_ = true;
            // A left press on the scroll bar scrolls at once; it never picks.
            barPressed_ =
                pressedLeft_ && pressed_ == ComboClickPlace::List && box_.ListMouseDown(p.x, p.y);
            if (barPressed_) {
                if (box_.ScrollPressed() != ListScrollPart::Thumb) StartRepeat();
                Repaint();
            }
            return 0;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            if (!pressing_) return 0;
            pressing_ = false;
            const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (barPressed_) {
                barPressed_ = false;
                StopRepeat();
                box_.ListMouseUp();
                box_.ListMouseMove(p.x, p.y);  // the hover look where it ended
                Repaint();
            } else if (pressed_ != ComboClickPlace::List) {
                // On the face it closes (the face's own toggle), anywhere
                // else it dismisses the list.
                box_.HandleClick(pressed_);
            } else if (pressedLeft_ && msg == WM_LBUTTONUP && PlaceOf(p) == ComboClickPlace::List) {
                box_.HandleClick(ComboClickPlace::List, p.x, p.y);
            }
            return 0;
        }
        case WM_MOUSEWHEEL:
            Wheel(GET_WHEEL_DELTA_WPARAM(wp));
            return 0;
        case WM_TIMER:
            if (wp != kRepeatTimer) break;
            Repeat();
            return 0;
        case WM_ACTIVATEAPP:
            // Another program became active: the list goes with the focus.
            if (!wp && box_.DroppedDown()) Close();
            break;
        case WM_CANCELMODE:
            if (box_.DroppedDown()) Close();
            break;
        case WM_CAPTURECHANGED:
            // Another window took the mouse (a menu, a dialog, a switch to
            // another program): the list goes, as a native one does.
            if (reinterpret_cast<HWND>(lp) != hwnd() && box_.DroppedDown()) Close();
            return 0;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
