#include "output/clipboard_picture.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "output/bmp_encoder.h"
#include "output/png_encoder.h"
#include "platform/handles.h"
#include "platform/opened_clipboard.h"

namespace lg::win {
namespace {

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
