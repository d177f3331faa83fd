// The notification window on a real desktop: where it goes, how it looks,
// that it never takes the focus, the rules of its one timer, and the link
// it shows with its copy button above the upload's progress.
#include "output/bhint_form.h"

#include <gtest/gtest.h>

#include "message_pump.h"
#include "output/load_form.h"
#include "platform/gdi_text_rasterizer.h"
#include "raster/text_rasterizer.h"

namespace lg::win {
namespace {

constexpr TColor32 kSurface = 0xFF091A32u;
constexpr TColor32 kOutline = 0xFF274B7Eu;

bool IsWhiteish(TColor32 c) {
    return ((c >> 16) & 0xFF) > 200 && ((c >> 8) & 0xFF) > 200 && (c & 0xFF) > 200;
}

int CountWhiteish(const TBitmap32& b, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) n += IsWhiteish(b.PixelS(x, y));
    }
    return n;
}

void ClickCloseButton(TBHintForm& form) {
    const LPARAM at = MAKELPARAM(385, 15);
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, at);
    SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(form.hwnd(), WM_LBUTTONUP, 0, at);
}

class TBHintFormTest : public ::testing::Test {
protected:
    void SetUp() override { SetDefaultTextRasterizer(&text_); }
    void TearDown() override { SetDefaultTextRasterizer(nullptr); }

    GdiTextRasterizer text_;
};

TEST_F(TBHintFormTest, ShowsInTheWorkAreasCornerWithoutTakingTheFocus) {
    // Someone else's window has the focus when the message comes.
    HWND other =
        CreateWindowExW(0, L"STATIC", L"другое окно", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                        300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    test::PumpFor(100);

    // The program's hidden main window, the notification's owner.
    HWND mainWindow = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(mainWindow, nullptr);
    TBHintForm form;
    ASSERT_TRUE(form.CreateForm(mainWindow));
    EXPECT_FALSE(form.Showing());

    RECT work{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    const RECT expected{work.right - 10 - 399, work.bottom - 10 - 104, work.right - 10,
                        work.bottom - 10};
    auto placedAt = [&] {
        RECT r{};
        GetWindowRect(form.hwnd(), &r);
        return r.left == expected.left && r.top == expected.top && r.right == expected.right &&
               r.bottom == expected.bottom;
    };
    EXPECT_TRUE(placedAt()) << "placed once when created";
    RECT client{};
    GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(client.right, 399);
    EXPECT_EQ(client.bottom, 104);

    const LONG style = GetWindowLongW(form.hwnd(), GWL_STYLE);
    const LONG exStyle = GetWindowLongW(form.hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER)) << "no border";
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "no taskbar button";
    EXPECT_EQ(GetWindow(form.hwnd(), GW_OWNER), mainWindow) << "no taskbar button anywhere";

    ShowBHint(u"Скриншот скопирован в буфер обмена.\r\nНажмите Ctrl+V, чтобы вставить.");
    test::PumpFor(200);
    EXPECT_TRUE(form.Showing()) << "ShowBHint reaches the window made last";
    EXPECT_TRUE(placedAt());
    EXPECT_EQ(GetForegroundWindow(), other) << "the focus stays where it was";

    // What it painted: the outline, the icon, the two texts, the close
    // button.
    const TBitmap32& px = form.Controls().Buffer();
    ASSERT_EQ(px.Width(), 399);
    for (auto [x, y] : {std::pair{0, 0}, {398, 103}, {200, 0}, {0, 50}, {398, 50}, {200, 103}}) {
        EXPECT_EQ(px.PixelS(x, y), kOutline) << x << "," << y;
    }
    EXPECT_EQ(px.PixelS(1, 1), kSurface);
    EXPECT_EQ(px.PixelS(200, 95), kSurface) << "below the text";
    EXPECT_NE(px.PixelS(37, 37), kSurface) << "the icon";
    EXPECT_EQ(px.PixelS(19, 37), kSurface) << "left of the icon";
    EXPECT_GT(CountWhiteish(px, 69, 22, 200, 41), 30) << "the caption";
    EXPECT_GT(CountWhiteish(px, 69, 41, 379, 58), 60) << "the first line";
    EXPECT_GT(CountWhiteish(px, 69, 58, 379, 76), 60) << "the second line";
    EXPECT_EQ(CountWhiteish(px, 69, 80, 379, 103), 0) << "two lines only";
    EXPECT_GT(CountWhiteish(px, 375, 5, 395, 25), 0) << "the close button's cross";

    ClickCloseButton(form);
    EXPECT_FALSE(form.Showing());
    EXPECT_TRUE(form.Timer1Enabled()) << "closing leaves the timer running";
    DestroyWindow(other);
    DestroyWindow(mainWindow);
}

TEST_F(TBHintFormTest, ALinkWithItsButtonGrowsTheWindowAboveTheProgress) {
    TLoadForm progress;
    ASSERT_TRUE(progress.CreateForm());
    progress.Show();
    TBHintForm form;
    ASSERT_TRUE(form.CreateForm());
    int closed = 0, copies = 0;
    form.OnClosed = [&] { ++closed; };

    form.ShowLink(u"Ссылка получена, но буфер обмена занят", u"https://img.example/s/Ab3.png",
                  [&] { ++copies; });
    test::PumpFor(200);
    RECT client{}, placed{}, under{};
    GetClientRect(form.hwnd(), &client);
    GetWindowRect(form.hwnd(), &placed);
    GetWindowRect(progress.hwnd(), &under);
    EXPECT_EQ(client.right, 399);
    EXPECT_GT(client.bottom, 104) << "grown for the link and the button";
    EXPECT_EQ(placed.bottom, under.top - 10) << "above the progress, not over it";
    EXPECT_EQ(placed.right, under.right);

    const TBitmap32& px = form.Controls().Buffer();
    const TRect link = form.lbLink.BoundsRect();
    const TRect button = form.btCopyLink.BoundsRect();
    EXPECT_GT(link.Top, form.lbText.BoundsRect().Top) << "the link under the message";
    EXPECT_GT(button.Top, link.Bottom - 1) << "the button under the link";
    EXPECT_LE(button.Bottom, client.bottom - 8) << "inside, off the outline";
    int accent = 0;
    for (int y = link.Top; y < link.Bottom; ++y) {
        for (int x = link.Left; x < link.Right; ++x) {
            const TColor32 c = px.PixelS(x, y);
            accent += ((c >> 16) & 0xFF) < 120 && (c & 0xFF) > 180;  // the accent's blue
        }
    }
    EXPECT_GT(accent, 40) << "the link drawn in the accent colour";
    EXPECT_GT(CountWhiteish(px, button.Left, button.Top, button.Right, button.Bottom), 20)
        << "the button's caption";

    form.btCopyLink.Click();
    test::PumpFor(100);
    EXPECT_EQ(copies, 1);

    form.ShowMessage(u"другое");
    test::PumpFor(100);
    EXPECT_EQ(closed, 0) << "a new message is no close";
    EXPECT_FALSE(form.ShowsLink());
    GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(client.bottom, 104);
    form.btCopyLink.Click();
    test::PumpFor(100);
    EXPECT_EQ(copies, 1) << "no button without a link";

    ClickCloseButton(form);
    EXPECT_EQ(closed, 1);
    progress.Close();
}

// The timer is long enough here for a loaded machine to keep to it.
constexpr UINT kInterval = 2000;
constexpr DWORD kGap = 1000;

TEST_F(TBHintFormTest, ASecondMessageGoesWhenTheFirstOnesTimeIsUp) {
    struct Case {
        const char* why;
        bool closeFirst;
    } const cases[] = {
        {"the first message still showing", false},
        {"the first message closed with its button", true},
    };
    for (const Case& c : cases) {
        TBHintForm form(kInterval);
        ASSERT_TRUE(form.CreateForm());
        const ULONGLONG start = GetTickCount64();
        form.ShowMessage(u"первое");
        if (c.closeFirst) {
            ClickCloseButton(form);
            ASSERT_FALSE(form.Showing()) << c.why;
        }
        test::PumpFor(kGap);
        form.ShowMessage(u"второе");
        EXPECT_TRUE(form.Showing()) << c.why;
        EXPECT_EQ(form.lbText.Caption(), u"второе") << c.why;
        wchar_t text[32] = {};
        GetWindowTextW(form.hwnd(), text, 32);
        EXPECT_STREQ(text, L"второе") << "what a screen reader reads";
        ASSERT_NE(test::PumpUntil([&] { return !form.Showing(); }, 3 * kInterval), -1) << c.why;
        const ULONGLONG gone = GetTickCount64() - start;
        EXPECT_GE(gone, kInterval - 50) << c.why;
        // Had the second message restarted the timer, it would stay until
        // kGap + kInterval.
        EXPECT_LT(gone, kGap + kInterval - 300) << c.why;
        EXPECT_FALSE(form.Timer1Enabled()) << c.why;
    }
}

TEST_F(TBHintFormTest, AMessageAfterTheTimerFiredGetsItsWholeTime) {
    TBHintForm form(kInterval);
    ASSERT_TRUE(form.CreateForm());
    form.ShowMessage(u"первое");
    ASSERT_NE(test::PumpUntil([&] { return !form.Showing(); }, 3 * kInterval), -1);
    form.ShowMessage(u"второе");
    const long shown = test::PumpUntil([&] { return !form.Showing(); }, 3 * kInterval);
    ASSERT_NE(shown, -1);
    EXPECT_GE(shown, static_cast<long>(kInterval) - 50);
}

}  // namespace
}  // namespace lg::win
