// The progress window on a real desktop: its size and place at 96 and
// 144 DPI, the bar it paints for a percentage, and when it hides.
#include "output/load_form.h"

#include <gtest/gtest.h>

#include "message_pump.h"
#include "platform/gdi_text_rasterizer.h"
#include "raster/text_rasterizer.h"

namespace lg::win {
namespace {

constexpr TColor32 kSurface = 0xFF091A32u;
constexpr TColor32 kOutline = 0xFF274B7Eu;
constexpr TColor32 kTrack = 0xFF1F3350u;
constexpr TColor32 kFill = 0xFF1CC2F1u;

bool IsWhiteish(TColor32 c) {
    return ((c >> 16) & 0xFF) > 200 && ((c >> 8) & 0xFF) > 200 && (c & 0xFF) > 200;
}

class TLoadFormTest : public ::testing::Test {
protected:
    void SetUp() override { SetDefaultTextRasterizer(&text_); }
    void TearDown() override { SetDefaultTextRasterizer(nullptr); }

    GdiTextRasterizer text_;
};

TEST_F(TLoadFormTest, SizeAndCornerAtEachScale) {
    struct Case {
        int dpi;
        int width, height;  // client pixels
    };
    const Case cases[] = {{96, 399, 86}, {144, 599, 129}};
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    for (const Case& c : cases) {
        TLoadForm form;
        ASSERT_TRUE(form.CreateForm());
        EXPECT_EQ(LoadForm(), &form);
        form.Show();
        form.SetScale(DisplayScale(c.dpi));
        test::PumpFor(100);
        RECT client{}, window{};
        GetClientRect(form.hwnd(), &client);
        GetWindowRect(form.hwnd(), &window);
        EXPECT_EQ(client.right, c.width) << c.dpi;
        EXPECT_EQ(client.bottom, c.height) << c.dpi;
        // Placed by Show at the primary monitor's scale, 96 DPI here.
        if (c.dpi == 96) {
            const int margin = 10;
            EXPECT_EQ(window.right, work.right - margin);
            EXPECT_EQ(window.bottom, work.bottom - margin);
        }
        const LONG style = GetWindowLongW(form.hwnd(), GWL_STYLE);
        EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER)) << "no border";
        EXPECT_TRUE(GetWindowLongW(form.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        form.Close();
    }
    EXPECT_EQ(LoadForm(), nullptr) << "gone with its window";
}

TEST_F(TLoadFormTest, PaintsTheCaptionAndTheBarAtItsPosition) {
    struct Case {
        int dpi;
        int position;
    };
    for (const Case& c : {Case{96, 50}, Case{144, 25}}) {
        const DisplayScale scale(c.dpi);
        TLoadForm form;
        ASSERT_TRUE(form.CreateForm());
        form.Show();
        form.SetScale(scale);
        // Wholly on the screen at any scale, so every pixel is painted.
        SetWindowPos(form.hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        form.SetPosition(c.position);
        InvalidateRect(form.hwnd(), nullptr, FALSE);
        test::PumpFor(150);
        const TBitmap32& px = form.Controls().Buffer();
        ASSERT_EQ(px.Width(), scale.Px(399)) << c.dpi;
        EXPECT_EQ(px.PixelS(0, 0), kOutline) << c.dpi;
        EXPECT_EQ(px.PixelS(scale.Px(8), scale.Px(8)), kSurface) << c.dpi;
        int white = 0;
        for (int y = scale.Px(19); y < scale.Px(39); ++y) {
            for (int x = scale.Px(17); x < scale.Px(250); ++x) white += IsWhiteish(px.PixelS(x, y));
        }
        EXPECT_GT(white, 100) << c.dpi << " the caption";
        // The bar: 359 x 12 at (17, 56) in 96-DPI pixels.
        const int left = scale.Px(17), top = scale.Px(56), mid = top + scale.Px(12) / 2;
        const int width = scale.Px(359);
        const int filled = (c.position * width + 50) / 100;  // no halves in these rows
        EXPECT_EQ(px.PixelS(left - 1, mid), kSurface) << c.dpi << " left of the bar";
        EXPECT_EQ(px.PixelS(left + 1, mid), kFill) << c.dpi;
        EXPECT_EQ(px.PixelS(left + filled - 1, mid), kFill) << c.dpi;
        EXPECT_EQ(px.PixelS(left + filled + 2, mid), kTrack) << c.dpi;
        EXPECT_EQ(px.PixelS(left + width - 1, mid), 0xFF4A6EA1u) << c.dpi << " the track's outline";
        EXPECT_EQ(px.PixelS(left + width, mid), kSurface) << c.dpi << " right of the bar";
        EXPECT_TRUE(form.Showing());
        form.Close();
    }
}

TEST_F(TLoadFormTest, AHundredOrTheCloseButtonHidesItAndTheNextShowBringsItBack) {
    TLoadForm form;
    ASSERT_TRUE(form.CreateForm());
    form.Show();
    form.SetPosition(99);
    EXPECT_TRUE(form.Showing());
    form.SetPosition(100);
    EXPECT_FALSE(form.Showing()) << "100 closes";
    EXPECT_EQ(form.Position(), 100);

    form.Show();
    form.SetPosition(40);
    const LPARAM at = MAKELPARAM(386, 12);  // the 15 x 15 button at (379, 5)
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, at);
    SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(form.hwnd(), WM_LBUTTONUP, 0, at);
    EXPECT_FALSE(form.Showing()) << "closed by hand";
    form.Show();
    EXPECT_TRUE(form.Showing());
    EXPECT_EQ(form.Position(), 40) << "the position is kept";
}

}  // namespace
}  // namespace lg::win
