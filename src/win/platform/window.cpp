#include "platform/window.h"

#include <exception>

namespace lg::win {

Window::~Window() {
    if (hwnd_) {
        // Unbind first so no message reaches a half-destroyed object.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
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

bool Window::Create(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle,
                    int x, int y, int w, int h, HWND parent) {
    HWND wnd = CreateWindowExW(exStyle, className, caption, style, x, y, w, h, parent, nullptr,
                               GetModuleHandleW(nullptr), this);
    return wnd != nullptr && wnd == hwnd_;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        self = static_cast<Window*>(cs->lpCreateParams);
        self->hwnd_ = wnd;
        SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(wnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
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
