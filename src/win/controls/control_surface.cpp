#include "controls/control_surface.h"

#include <commctrl.h>

#include "controls/buffer_blit.h"
#include "controls/img_view_control.h"
#include "controls/mouse_message.h"
#include "platform/u16.h"

namespace lg::win {

ControlSurface::ControlSurface(TColor32 background) : background_(background) {
    host_.SetInvalidate([this](const TRect& r) {
        if (!wnd_) return;
        RECT rc{r.Left, r.Top, r.Right, r.Bottom};
        InvalidateRect(wnd_, &rc, FALSE);
    });
}

ControlSurface::~ControlSurface() {
    if (tooltip_) DestroyWindow(tooltip_);
}

void ControlSurface::Attach(HWND wnd) {
    wnd_ = wnd;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, wnd, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    UpdateHints();
}

void ControlSurface::Add(TGraphicControl& control) {
    host_.Add(control);
    hinted_.push_back(&control);
    UpdateHints();
}

void ControlSurface::UpdateHints() {
    if (!tooltip_) return;
    while (SendMessageW(tooltip_, TTM_GETTOOLCOUNT, 0, 0) > 0) {
        TTTOOLINFOW ti{};
        ti.cbSize = sizeof(ti);
        if (!SendMessageW(tooltip_, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&ti))) break;
        SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
    hintTexts_.clear();
    UINT id = 1;
    for (TGraphicControl* c : hinted_) {
        ++id;
        if (c->Hint.empty() || !c->Visible()) continue;
        std::wstring& text = hintTexts_.emplace_back(ToWide(c->Hint));
        TTTOOLINFOW ti{};
        ti.cbSize = sizeof(ti);
        ti.uFlags = TTF_SUBCLASS;
        ti.hwnd = wnd_;
        ti.uId = id;
        const TRect r = c->BoundsRect();
        ti.rect = RECT{r.Left, r.Top, r.Right, r.Bottom};
        ti.lpszText = text.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void ControlSurface::TrackLeave() {
    if (tracking_) return;
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, wnd_, 0};
    tracking_ = TrackMouseEvent(&tme) != FALSE;
}

void ControlSurface::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(wnd_, &ps);
    try {
        RECT client;
        GetClientRect(wnd_, &client);
        if (buffer_.Width() != client.right || buffer_.Height() != client.bottom) {
            buffer_.SetSize(client.right, client.bottom);
        }
        const TRect dirty = IntersectRect(
            TRect{ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom},
            buffer_.BoundsRect());
        if (!dirty.IsEmpty()) {
            buffer_.FillRectTS(dirty, background_);
            if (OnPaintBackground) {
                buffer_.SetClipRect(dirty);
                OnPaintBackground(buffer_);
                buffer_.ResetClipRect();
            }
            host_.Paint(buffer_, dirty);
            BlitBuffer(dc, buffer_, dirty);
        }
    } catch (...) {
        // No memory for the buffer: the old pixels stay; never a crash.
    }
    EndPaint(wnd_, &ps);
}

bool ControlSurface::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    result = 0;
    if (const std::optional<MouseMessage> m = ReadMouseMessage(msg, wp, lp)) {
        if (m->kind == MouseMessage::Kind::Move) TrackLeave();
        DeliverMouse(host_, *m);
        FollowCapture(wnd_, host_);
        return true;
    }
    switch (msg) {
        case WM_PAINT:
            Paint();
            return true;
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_MOUSELEAVE:
            tracking_ = false;
            host_.MouseLeave();
            return true;
        case WM_CAPTURECHANGED:
            CaptureChanged(wnd_, lp, host_);
            return true;
        case WM_SETCURSOR: {
            if (LOWORD(lp) != HTCLIENT) return false;
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(wnd_, &p);
            const TCursor c = host_.CursorAt(p.x, p.y);
            if (c == crDefault) return false;
            SetCursor(SystemCursorFor(c));
            result = TRUE;
            return true;
        }
    }
    return false;
}

}  // namespace lg::win
