#include "platform/clipboard_text.h"

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

}  // namespace lg::win
