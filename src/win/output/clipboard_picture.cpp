#include "output/clipboard_picture.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "output/bmp_encoder.h"
#include "output/png_encoder.h"
#include "platform/handles.h"

namespace lg::win {
namespace {

struct GlobalMemoryTraits {
    static HGLOBAL Invalid() { return nullptr; }
    static void Close(HGLOBAL h) { GlobalFree(h); }
};
// Movable global memory; the clipboard takes it over once SetClipboardData
// accepts it, until then it is ours to free.
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalMemoryTraits>;

DWORD ErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

// A copy of `bytes` in memory the clipboard can own; empty bytes or no
// memory give nothing.
UniqueGlobal ToGlobal(const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) return {};
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    if (!memory) return {};
    void* at = GlobalLock(memory.get());
    if (!at) return {};
    std::memcpy(at, bytes.data(), bytes.size());
    GlobalUnlock(memory.get());
    return memory;
}

// The encoded form in clipboard memory, the encoder's buffer freed at once
// so that a large picture is not held twice over.
template <typename Encode>
UniqueGlobal Encoded(const ImageView32& picture, Encode encode, EncodeStatus& status) {
    std::vector<uint8_t> bytes;
    status = encode(picture, bytes);
    if (status != EncodeStatus::kOk) return {};
    return ToGlobal(bytes);
}

// Waits `ms` while still answering messages other threads send to this
// one's windows: the program holding the clipboard may be waiting on one
// (WM_DESTROYCLIPBOARD to the last owner, for example) before it lets go.
// Posted input stays queued, so no click reaches the capture meanwhile.
void PauseAnsweringSentMessages(DWORD ms) {
    const ULONGLONG until = GetTickCount64() + ms;
    for (ULONGLONG now = GetTickCount64(); now < until; now = GetTickCount64()) {
        const DWORD left = static_cast<DWORD>(until - now);
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, left, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
}

// The clipboard, open for the scope's duration.
class OpenedClipboard {
public:
    OpenedClipboard(HWND owner, const ClipboardRetry& retry) {
        const ULONGLONG start = GetTickCount64();
        for (int failed = 1;; ++failed) {
            if (OpenClipboard(owner)) {
                open_ = true;
                return;
            }
            error_ = ErrorOr(ERROR_ACCESS_DENIED);
            const ULONGLONG elapsed = GetTickCount64() - start;
            const std::optional<std::uint32_t> pause = NextClipboardPause(
                retry, failed,
                static_cast<std::uint32_t>(std::min<ULONGLONG>(elapsed, UINT32_MAX)));
            if (!pause) return;
            PauseAnsweringSentMessages(*pause);
        }
    }
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

    bool open() const { return open_; }
    DWORD error() const { return error_; }

private:
    bool open_ = false;
    DWORD error_ = ERROR_SUCCESS;
};

// Hands `memory` to the clipboard; it is the clipboard's once accepted.
bool Offer(UINT format, UniqueGlobal& memory) {
    if (!memory || format == 0) return false;
    if (!SetClipboardData(format, memory.get())) return false;
    memory.release();
    return true;
}

}  // namespace

DWORD CopyPictureToClipboard(HWND owner, const ImageView32& picture, ClipboardRetry retry) {
    // Encode before the clipboard is opened: other programs wait while it is.
    EncodeStatus status = EncodeStatus::kOk;
    UniqueGlobal dib = Encoded(
        picture, [](const ImageView32& p, std::vector<uint8_t>& out) { return EncodeDib(p, out); },
        status);
    if (status == EncodeStatus::kEmptyImage) return ERROR_INVALID_DATA;
    if (!dib) return ERROR_NOT_ENOUGH_MEMORY;
    // The PNG form is a courtesy: without it the paste still works.
    UniqueGlobal png = Encoded(
        picture, [](const ImageView32& p, std::vector<uint8_t>& out) { return EncodePng(p, out); },
        status);
    const UINT pngFormat = RegisterClipboardFormatW(L"PNG");

    OpenedClipboard clipboard(owner, retry);
    if (!clipboard.open()) return clipboard.error();
    if (!EmptyClipboard()) return ErrorOr(ERROR_ACCESS_DENIED);
    if (!Offer(CF_DIB, dib)) return ErrorOr(ERROR_NOT_ENOUGH_MEMORY);
    Offer(pngFormat, png);
    return ERROR_SUCCESS;
}

}  // namespace lg::win
