#include "platform/window.h"

#include <exception>

namespace lg::win {
namespace {

// The window property that names the object behind a window.
constexpr wchar_t kObjectProperty[] = L"lg.Window";

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
    HWND wnd = CreateWindowExW(a.exStyle, a.className, a.title, a.style, a.x, a.y, a.width,
                               a.height, a.parent, nullptr, GetModuleHandleW(nullptr), this);
    return wnd != nullptr && wnd == hwnd_;
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
        return self->HandleMessage(msg, wp, lp);
    } catch (const std::exception&) {
        return DefWindowProcW(wnd, msg, wp, lp);
    } catch (...) {
        return DefWindowProcW(wnd, msg, wp, lp);
    }
}

}  // namespace lg::win
