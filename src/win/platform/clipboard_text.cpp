#include "platform/clipboard_text.h"

#include <cstring>

#include "platform/handles.h"
#include "platform/opened_clipboard.h"

namespace lg::win {
namespace {

// A global memory block, locked for a scope.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL h) : h_(h), data_(h ? GlobalLock(h) : nullptr) {}
    ~GlobalLockScope() {
        if (data_) GlobalUnlock(h_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    const void* data() const { return data_; }

private:
    HGLOBAL h_;
    void* data_;
};

}  // namespace

std::u16string ReadClipboardText(HWND owner, ClipboardRetry retry) {
    OpenedClipboard clipboard(owner, retry);
    if (!clipboard.open()) return {};
    HGLOBAL h = GetClipboardData(CF_UNICODETEXT);
    if (!h) return {};
    GlobalLockScope lock(h);
    const auto* text = static_cast<const char16_t*>(lock.data());
    if (!text) return {};
    // Another program wrote the block: its size bounds the read even when
    // the terminating zero is missing.
    const std::size_t capacity = GlobalSize(h) / sizeof(char16_t);
    std::size_t length = 0;
    while (length < capacity && text[length] != 0) ++length;
    return std::u16string(text, length);
}

DWORD WriteClipboardText(HWND owner, std::u16string_view text, ClipboardRetry retry) {
    // The block is made before the clipboard is opened: others wait while
    // it is.
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) return ERROR_NOT_ENOUGH_MEMORY;
    void* at = GlobalLock(memory.get());
    if (!at) return ERROR_NOT_ENOUGH_MEMORY;
    std::memcpy(at, text.data(), text.size() * sizeof(char16_t));
    static_cast<char16_t*>(at)[text.size()] = 0;
    GlobalUnlock(memory.get());

    OpenedClipboard clipboard(owner, retry);
    if (!clipboard.open()) return clipboard.error();
    if (!EmptyClipboard()) return ERROR_ACCESS_DENIED;
    if (!SetClipboardData(CF_UNICODETEXT, memory.get())) {
        const DWORD error = GetLastError();
        return error != ERROR_SUCCESS ? error : ERROR_NOT_ENOUGH_MEMORY;
    }
    memory.release();
    return ERROR_SUCCESS;
}

}  // namespace lg::win
