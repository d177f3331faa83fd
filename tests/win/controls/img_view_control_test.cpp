#include "controls/img_view_control.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layers/bitmap_layer.h"
#include "screen_probe.h"

namespace lg::win {
namespace {

constexpr TColor32 kBase = 0xFF2040A0u;
constexpr TColor32 kLayer = 0xFFE0C020u;

using testing::Pump;
using testing::ScreenPixel;

class ImgViewControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 50, 60, 300,
                                200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(host_, nullptr);
        view_.Bitmap().SetSize(300, 200);
        for (TColor32& p : view_.Bitmap().Pixels()) p = kBase;
        layer_ = &view_.Layers().Add<TBitmapLayer>();
        layer_->Bitmap().SetSize(20, 20);
        for (TColor32& p : layer_->Bitmap().Pixels()) p = kLayer;
        layer_->SetLocation(TFloatRect{10, 10, 30, 30});
        ASSERT_TRUE(control_.CreateControl(host_, 0, 0, 300, 200));
        Pump();
    }
    void TearDown() override { DestroyWindow(host_); }

    HWND host_ = nullptr;
    TImgView32 view_;
    TBitmapLayer* layer_ = nullptr;
    ImgViewControl control_{view_};
};

TEST_F(ImgViewControlTest, PaintsTheBitmapAndItsLayersAndRepaintsWhatChanged) {
    EXPECT_EQ(ScreenPixel(50 + 5, 60 + 5), kBase);
    EXPECT_EQ(ScreenPixel(50 + 15, 60 + 15), kLayer);

    layer_->SetLocation(TFloatRect{100, 100, 120, 120});
    Pump();
    EXPECT_EQ(ScreenPixel(50 + 15, 60 + 15), kBase) << "the old place is repainted";
    EXPECT_EQ(ScreenPixel(50 + 110, 60 + 110), kLayer);
}

TEST_F(ImgViewControlTest, TurnsMouseMessagesIntoViewEvents) {
    int downs = 0, ups = 0;
    int lastX = -1, lastY = -1;
    TCustomLayer* hit = nullptr;
    view_.OnMouseDown = [&](TMouseButton b, TShiftState, int x, int y, TCustomLayer* l) {
        downs += b == mbLeft;
        lastX = x;
        lastY = y;
        hit = l;
    };
    view_.OnMouseUp = [&](TMouseButton, TShiftState, int, int, TCustomLayer*) { ++ups; };
    HWND wnd = control_.hwnd();
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 16));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(15, 16));
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(lastX, 15);
    EXPECT_EQ(lastY, 16);
    EXPECT_EQ(hit, layer_);
}

TEST_F(ImgViewControlTest, AnotherWindowTakingTheMouseEndsTheDragWhereItWas) {
    std::vector<std::string> ups;
    view_.OnMouseUp = [&](TMouseButton b, TShiftState, int x, int y, TCustomLayer* l) {
        ups.push_back(std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y) +
                      (l == layer_ ? " layer" : " none"));
    };
    int layerMoves = 0;
    layer_->OnMouseMove = [&](TCustomLayer&, TShiftState, int, int) { ++layerMoves; };
    HWND wnd = control_.hwnd();
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 16));
    EXPECT_EQ(GetCapture(), wnd) << "the drag keeps the mouse";
    SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 90));
    ASSERT_EQ(layerMoves, 1);

    SetCapture(host_);  // as a dialog or Alt+Tab would take it
    EXPECT_EQ(ups, (std::vector<std::string>{"0 120,90 layer"}));
    EXPECT_FALSE(view_.Capturing());

    // The pointer goes on with no button: the layer no longer follows it,
    // and the release that never came here changes nothing.
    ReleaseCapture();
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(150, 120));
    EXPECT_EQ(layerMoves, 1);
    EXPECT_EQ(ups.size(), 1u);

    // An ordinary drag hands the mouse back once, with one release.
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 16));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 21));
    EXPECT_NE(GetCapture(), wnd);
    EXPECT_EQ(ups, (std::vector<std::string>{"0 120,90 layer", "0 20,21 layer"}));
}

}  // namespace
}  // namespace lg::win
