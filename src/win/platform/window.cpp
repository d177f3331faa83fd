#include "platform/window.h"

#include <windowsx.h>

#include <exception>

#include "controls/window_placement.h"
#include "platform/display_dpi.h"

namespace lg::win {
namespace {

// The window property that names the object behind a window.
constexpr wchar_t kObjectProperty[] = L"lg.Window";

TRect ToTRect(const RECT& r) {
    return TRect{r.left, r.top, r.right, r.bottom};
}

HMONITOR PrimaryMonitor() {
    return MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
}

TRect WorkAreaOf(HMONITOR monitor) {
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (GetMonitorInfoW(monitor, &mi)) return ToTRect(mi.rcWork);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return ToTRect(work);
}

// Where a window of `size` goes under `placement`; see Placement.
TRect Placed(Placement placement, TSize size, HWND owner, HMONITOR monitor, DisplayScale scale) {
    switch (placement) {
        case Placement::WorkAreaCentre:
            return CentredIn(WorkAreaOf(monitor ? monitor : PrimaryMonitor()), size);
        case Placement::PrimaryCorner:
            return InCorner(WorkAreaOf(PrimaryMonitor()), size, scale.Px(kCornerMargin96));
        case Placement::OverOwner: {
            RECT around{};
            if (!owner || !GetWindowRect(owner, &around)) {
                SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
            }
            return KeptInside(CentredIn(ToTRect(around), size),
                              WorkAreaOf(MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST)));
        }
        case Placement::Free:
            break;
    }
    return TRect{};
}

}  // namespace

Window::~Window() {
    if (hwnd_) {
        // Unbind first so no message reaches a half-destroyed object.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        RemovePropW(hwnd_, kObjectProperty);
        DestroyWindow(hwnd_);
    }
}

bool Window::RegisterClassOnce(const wchar_t* className, UINT style, HBRUSH background) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    HINSTANCE inst = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(inst, className, &existing)) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = &Window::StaticProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0;
}

bool Window::Create(const WindowArgs& a) {
    options_ = a.options;
    POINT at{a.x, a.y};
    if (a.options.placement != Placement::Free) {
        const HMONITOR monitor = a.monitor ? a.monitor : PrimaryMonitor();
        const TRect r = Placed(a.options.placement, TSize{a.width, a.height}, a.parent, monitor,
                               ScaleOfMonitor(monitor));
        at = POINT{r.Left, r.Top};
    }
    HWND wnd = CreateWindowExW(a.exStyle, a.className, a.title, a.style, at.x, at.y, a.width,
                               a.height, a.parent, nullptr, GetModuleHandleW(nullptr), this);
    return wnd != nullptr && wnd == hwnd_;
}

void Window::MoveToPlacement(DisplayScale scale, HMONITOR monitor) {
    if (!hwnd_ || options_.placement == Placement::Free) return;
    RECT now{};
    GetWindowRect(hwnd_, &now);
    if (!monitor) monitor = MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY);
    const TRect r = Placed(options_.placement, TSize{now.right - now.left, now.bottom - now.top},
                           GetWindow(hwnd_, GW_OWNER), monitor, scale);
    SetWindowPos(hwnd_, nullptr, r.Left, r.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::ResizeAroundCentre(int width, int height) {
    if (!hwnd_) return;
    RECT was{};
    GetWindowRect(hwnd_, &was);
    const TRect r = CentredIn(ToTRect(was), TSize{width, height});
    SetWindowPos(hwnd_, nullptr, r.Left, r.Top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::ShowTopmostInactive() {
    if (!hwnd_) return;
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

bool Window::CreateMessageOnly(const wchar_t* className) {
    return RegisterClassOnce(className) && Create({.className = className,
                                                   .style = 0,
                                                   .x = 0,
                                                   .y = 0,
                                                   .width = 0,
                                                   .height = 0,
                                                   .parent = HWND_MESSAGE});
}

Window* Window::FromHandle(HWND wnd) {
    return wnd ? static_cast<Window*>(GetPropW(wnd, kObjectProperty)) : nullptr;
}

void Window::Adopt(HWND wnd) {
    if (wnd) SetPropW(wnd, kObjectProperty, this);
}

void Window::Disown(HWND wnd) {
    if (wnd) RemovePropW(wnd, kObjectProperty);
}

bool Window::HandleOption(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_NCHITTEST: {
            if (!options_.dragByBackground) return false;
            result = DefWindowProcW(hwnd_, msg, wp, lp);
            if (result != HTCLIENT) return true;
            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            ScreenToClient(hwnd_, &p);
            if (!TakesPress(p)) result = HTCAPTION;
            return true;
        }
        case WM_MOUSEACTIVATE:
            if (!options_.noActivate) return false;
            result = MA_NOACTIVATE;
            return true;
        case WM_KEYDOWN:
            if (!options_.escapeCloses || wp != VK_ESCAPE || !OnClose()) return false;
            result = 0;
            return true;
        case WM_DPICHANGED: {
            if (!options_.followsDpi) return false;
            const DisplayScale scale = ScaleFromDpiChanged(wp);
            OnScaleChanged(scale);
            // A corner window belongs in its corner at any size; any other
            // goes where the system moved it.
            if (options_.placement == Placement::PrimaryCorner) {
                MoveToPlacement(scale);
            } else {
                MoveToSuggestedPlace(hwnd_, lp);
            }
            result = 0;
            return true;
        }
    }
    return false;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_TIMER:
            if (OnTimer(wp)) return 0;
            break;
        case WM_COMMAND: {
            const auto control = reinterpret_cast<HWND>(lp);
            if (Window* child = FromHandle(control); child && child != this) {
                if (child->OnReflectedCommand(HIWORD(wp))) return 0;
            }
            if (OnCommand(LOWORD(wp), HIWORD(wp), control)) return 0;
            break;
        }
        case WM_PAINT:
            if (OnPaint()) return 0;
            break;
        case WM_CLOSE:
            if (OnClose()) return 0;
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        self = static_cast<Window*>(cs->lpCreateParams);
        self->hwnd_ = wnd;
        SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        SetPropW(wnd, kObjectProperty, self);
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(wnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
        RemovePropW(wnd, kObjectProperty);
        self->hwnd_ = nullptr;
        LRESULT r = DefWindowProcW(wnd, msg, wp, lp);
        self->OnDestroyed();
        return r;
    }
    try {
        LRESULT result = 0;
        if (self->HandleOption(msg, wp, lp, result)) return result;
        return self->HandleMessage(msg, wp, lp);
    } catch (const std::exception&) {
        return DefWindowProcW(wnd, msg, wp, lp);
    } catch (...) {
        return DefWindowProcW(wnd, msg, wp, lp);
    }
}

}  // namespace lg::win
