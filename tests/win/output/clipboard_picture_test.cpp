// The picture on the real clipboard: both forms hold its pixels, and a
// clipboard another program holds is waited for, briefly.
#include "output/clipboard_picture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <span>
#include <thread>
#include <vector>

#include "clipboard_bytes.h"
#include "platform/handles.h"
#include "png_decode.h"
#include "test_picture.h"

namespace lg::win {
namespace {

using test::ClipboardBytes;
using test::TestPicture;

// A hidden window to own the clipboard.
class OwnerWindow {
public:
    OwnerWindow()
        : hwnd_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr)) {}
    ~OwnerWindow() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

// Holds the clipboard open on another thread from construction until
// `holdFor` has passed.
class ClipboardHolder {
public:
    explicit ClipboardHolder(std::chrono::milliseconds holdFor)
        : opened_event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = std::thread([this, holdFor] {
            opened_ = OpenClipboard(nullptr);
            SetEvent(opened_event_.get());
            std::this_thread::sleep_for(holdFor);
            if (opened_) CloseClipboard();
        });
        WaitForSingleObject(opened_event_.get(), INFINITE);
    }
    ~ClipboardHolder() { thread_.join(); }
    bool opened() const { return opened_; }

private:
    UniqueKernelHandle opened_event_;
    bool opened_ = false;
    std::thread thread_;
};

TEST(ClipboardPictureTest, OffersDibAndPngWithThePixels) {
    OwnerWindow owner;
    ASSERT_TRUE(owner.get());
    const TestPicture picture(13, 7, 16);
    ASSERT_EQ(CopyPictureToClipboard(owner.get(), picture.View()),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(GetClipboardOwner(), owner.get());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));

    const std::vector<uint8_t> dib = ClipboardBytes(CF_DIB);
    int width = 0, height = 0;
    EXPECT_EQ(test::DibRgb(dib.data(), dib.size(), width, height), picture.Rgb());
    EXPECT_EQ(width, picture.width);
    EXPECT_EQ(height, picture.height);

    const UINT pngFormat = RegisterClipboardFormatW(L"PNG");
    ASSERT_TRUE(IsClipboardFormatAvailable(pngFormat));
    // GlobalSize may round up; the PNG reader stops at IEND.
    const auto png = test::DecodePng(ClipboardBytes(pngFormat));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->width, picture.width);
    EXPECT_EQ(png->height, picture.height);
    EXPECT_EQ(png->rgb, picture.Rgb());
}

TEST(ClipboardPictureTest, ReplacesWhatWasThere) {
    OwnerWindow owner;
    ASSERT_TRUE(OpenClipboard(owner.get()));
    EmptyClipboard();
    const HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, sizeof(wchar_t) * 3);
    ASSERT_TRUE(text);
    auto* chars = static_cast<wchar_t*>(GlobalLock(text));
    chars[0] = L'h';
    chars[1] = L'i';
    chars[2] = 0;
    GlobalUnlock(text);
    ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, text));
    CloseClipboard();

    ASSERT_EQ(CopyPictureToClipboard(owner.get(), TestPicture(2, 2, 2).View()),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));
}

TEST(ClipboardPictureTest, WaitsBrieflyForAClipboardHeldElsewhere) {
    OwnerWindow owner;
    const TestPicture picture(5, 3, 5);
    {
        ClipboardHolder holder(std::chrono::milliseconds(150));
        ASSERT_TRUE(holder.opened());
        EXPECT_EQ(CopyPictureToClipboard(owner.get(), picture.View()),
                  static_cast<DWORD>(ERROR_SUCCESS));
    }
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));

    const DWORD sequence = GetClipboardSequenceNumber();
    ClipboardHolder holder(std::chrono::milliseconds(800));
    ASSERT_TRUE(holder.opened());
    const auto start = std::chrono::steady_clock::now();
    const DWORD error =
        CopyPictureToClipboard(owner.get(), picture.View(), ClipboardRetry{100, 10, 50});
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_NE(error, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_LT(waited, std::chrono::milliseconds(500));  // gave up, did not wait it out
    EXPECT_EQ(GetClipboardSequenceNumber(), sequence);  // nothing was changed
}

TEST(ClipboardPictureTest, EmptyPictureLeavesTheClipboardAlone) {
    OwnerWindow owner;
    const DWORD sequence = GetClipboardSequenceNumber();
    EXPECT_EQ(CopyPictureToClipboard(owner.get(), ImageView32{}),
              static_cast<DWORD>(ERROR_INVALID_DATA));
    EXPECT_EQ(GetClipboardSequenceNumber(), sequence);
}

}  // namespace
}  // namespace lg::win
