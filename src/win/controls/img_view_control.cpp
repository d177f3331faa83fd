#include "controls/img_view_control.h"

#include "controls/buffer_blit.h"
#include "controls/mouse_message.h"
#include "platform/handles.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"LgImgView32";

}  // namespace

HCURSOR SystemCursorFor(TCursor c) {
    const wchar_t* id = MAKEINTRESOURCEW(32512);  // IDC_ARROW
    switch (c) {
        case crCross:
            id = MAKEINTRESOURCEW(32515);
            break;  // IDC_CROSS
        case crIBeam:
            id = MAKEINTRESOURCEW(32513);
            break;  // IDC_IBEAM
        case crSizeNESW:
            id = MAKEINTRESOURCEW(32643);
            break;  // IDC_SIZENESW
        case crSizeNS:
            id = MAKEINTRESOURCEW(32645);
            break;  // IDC_SIZENS
        case crSizeNWSE:
            id = MAKEINTRESOURCEW(32642);
            break;  // IDC_SIZENWSE
        case crSizeWE:
            id = MAKEINTRESOURCEW(32644);
            break;  // IDC_SIZEWE
        case crSizeAll:
            id = MAKEINTRESOURCEW(32646);
            break;  // IDC_SIZEALL
        case crHandPoint:
            id = MAKEINTRESOURCEW(32649);
            break;  // IDC_HAND
        default:
            break;
    }
    return LoadCursorW(nullptr, id);
}

ImgViewControl::ImgViewControl(TImgView32& view) : view_(view) {
    view_.OnInvalidate = [this](const TRect& r) {
        if (!hwnd()) return;
        RECT rc{r.Left, r.Top, r.Right, r.Bottom};
        InvalidateRect(hwnd(), &rc, FALSE);
    };
}

ImgViewControl::~ImgViewControl() {
    view_.OnInvalidate = nullptr;
}

bool ImgViewControl::CreateControl(HWND parent, int x, int y, int width, int height) {
    if (!RegisterClassOnce(kClassName, CS_DBLCLKS)) return false;
    if (!Create({.className = kClassName,
                 .style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                 .x = x,
                 .y = y,
                 .width = width,
                 .height = height,
                 .parent = parent}))
        return false;
    SetBounds(x, y, width, height);
    return true;
}

void ImgViewControl::SetBounds(int x, int y, int width, int height) {
    if (hwnd()) MoveWindow(hwnd(), x, y, width, height, FALSE);
    view_.SetClientSize(width, height);
    // The back buffer keeps its pixels while the size stays.
    buffer_.SetSize(width, height);
    view_.Invalidate();
}

void ImgViewControl::Flush() {
    if (!hwnd() || !view_.HasDirtyRects()) return;
    ScopedGetDc dc(hwnd());
    for (const TRect& r : view_.PaintDirtyRects(buffer_)) BlitBuffer(dc.get(), buffer_, r);
    ValidateRect(hwnd(), nullptr);
}

bool ImgViewControl::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    TRect exposed{ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom};
    try {
        // What the view marked dirty and what the system exposed, merged:
        // each pixel painted once.
        for (const TRect& r : view_.PaintDirtyRects(buffer_, exposed)) BlitBuffer(dc, buffer_, r);
    } catch (...) {
        // A picture too large to paint leaves the old pixels; never a crash.
    }
    EndPaint(hwnd(), &ps);
    if (OnPainted) OnPainted();
    return true;
}

bool ImgViewControl::OnSetCursor() {
    TCursor c = view_.CurrentCursor();
    HCURSOR cursor = (c == crCross && crossCursor_) ? crossCursor_ : SystemCursorFor(c);
    SetCursor(cursor);
    return true;
}

TShiftState ImgViewControl::ShiftNow() {
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

LRESULT ImgViewControl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (const std::optional<MouseMessage> m = ReadMouseMessage(msg, wp, lp)) {
        if (m->kind == MouseMessage::Kind::Down) SetFocus(hwnd());
        DeliverMouse(view_, *m);
        FollowCapture(hwnd(), view_);
        OnSetCursor();
        return 0;
    }
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // the view paints every pixel
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) return OnSetCursor();
            break;
        case WM_CAPTURECHANGED:
            CaptureChanged(hwnd(), lp, view_);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS;
        case WM_KEYDOWN: {
            std::uint16_t key = static_cast<std::uint16_t>(wp);
            view_.KeyDown(key, ShiftNow());
            if (key == 0) return 0;
            break;
        }
        case WM_CHAR: {
            char16_t ch = static_cast<char16_t>(wp);
            view_.KeyPress(ch);
            return 0;
        }
        case WM_MOUSEWHEEL:
            view_.MouseWheel(ShiftNow(), GET_WHEEL_DELTA_WPARAM(wp));
            return 0;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
