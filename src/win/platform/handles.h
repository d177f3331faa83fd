// Owning wrappers for kernel, GDI and user handles: one template, one
// deleter per handle kind, move-only.
#pragma once

#include <objbase.h>
#include <windows.h>

#include <utility>

namespace lg::win {

template <typename H, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, Traits::Invalid());
        }
        return *this;
    }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    H release() { return std::exchange(h_, Traits::Invalid()); }
    void reset(H h = Traits::Invalid()) {
        if (h_ != Traits::Invalid()) Traits::Close(h_);
        h_ = h;
    }

private:
    H h_ = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct FindHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};
struct GdiObjectTraits {
    static HGDIOBJ Invalid() { return nullptr; }
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct MenuTraits {
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct HookTraits {
    static HHOOK Invalid() { return nullptr; }
    static void Close(HHOOK h) { UnhookWindowsHookEx(h); }
};
struct MemoryDcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};

// Movable global memory, as the clipboard takes it: once SetClipboardData
// accepts a block it is the clipboard's, until then it is ours to free.
struct GlobalMemoryTraits {
    static HGLOBAL Invalid() { return nullptr; }
    static void Close(HGLOBAL h) { GlobalFree(h); }
};

using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using UniqueFindHandle = UniqueHandle<HANDLE, FindHandleTraits>;
using UniqueGdiObject = UniqueHandle<HGDIOBJ, GdiObjectTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using UniqueHook = UniqueHandle<HHOOK, HookTraits>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalMemoryTraits>;

// A DC obtained with GetDC, given back with ReleaseDC.
class ScopedGetDc {
public:
    explicit ScopedGetDc(HWND wnd) : wnd_(wnd), dc_(GetDC(wnd)) {}
    ~ScopedGetDc() {
        if (dc_) ReleaseDC(wnd_, dc_);
    }
    ScopedGetDc(const ScopedGetDc&) = delete;
    ScopedGetDc& operator=(const ScopedGetDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND wnd_;
    HDC dc_;
};

// Selects an object into a DC for the scope's duration.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~ScopedSelect() {
        if (old_) SelectObject(dc_, old_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// COM for the calling thread, for the scope's duration.
class ScopedComInit {
public:
    ScopedComInit() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ScopedComInit() {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }
    ScopedComInit(const ScopedComInit&) = delete;
    ScopedComInit& operator=(const ScopedComInit&) = delete;
    bool ok() const { return SUCCEEDED(hr_); }

private:
    HRESULT hr_;
};

// A COM interface pointer released at scope end.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** put() {
        if (p_) p_->Release();
        p_ = nullptr;
        return &p_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

private:
    T* p_ = nullptr;
};

}  // namespace lg::win
