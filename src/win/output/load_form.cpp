#include "output/load_form.h"

#include <initializer_list>

#include "art/art_colors.h"
#include "art/button_art.h"
#include "art/progress_bar.h"
#include "controls/image_button_art.h"
#include "output/bhint_form.h"
#include "platform/display_dpi.h"
#include "platform/trace.h"
#include "raster/shapes.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TLoadForm";

// The controls in the 96-DPI form, and the caption's pixel height.
constexpr TRect kCloseBounds{379, 5, 394, 20};
constexpr TRect kCaptionBounds{17, 19, 379, 39};
constexpr TRect kBarBounds{17, 56, 17 + art::kProgressBarWidth, 56 + art::kProgressBarHeight};
constexpr int kCaptionFontHeight = 13;
static_assert(kBarBounds.Right <= TLoadForm::kClientWidth);
static_assert(kCloseBounds.Right <= TLoadForm::kClientWidth);

constexpr char16_t kCaption[] = u"Загрузка изображения на сервер";
constexpr char16_t kFontFamily[] = u"Noto Sans";
constexpr TColor32 kWhite = 0xFFFFFFFFu;
// The panels' surface with the outline the notification has too.
constexpr TColor32 kSurface = art::kPanelSurface;
constexpr TColor32 kOutline = art::kPressedFill;

TLoadForm* g_loadForm = nullptr;

}  // namespace

TLoadForm* LoadForm() {
    return g_loadForm;
}

TLoadForm::TLoadForm() : controls_(kSurface) {
    lbCaption.SetCaption(kCaption);
    ImageButton1.Cursor = crHandPoint;
    ImageButton1.OnClick = [this](TGraphicControl&) { Close(); };
    LayoutControls();
    controls_.OnPaintBackground = [this](TBitmap32& surface) {
        FillFrame(surface, surface.BoundsRect(), scale_.Px(1), kOutline);
    };
}

TLoadForm::~TLoadForm() {
    if (g_loadForm == this) g_loadForm = nullptr;
}

void TLoadForm::LayoutControls() {
    auto place = [this](TGraphicControl& c, const TRect& r96) {
        const TRect r = scale_.Rect(r96);
        c.SetBounds(r.Left, r.Top, r.Width(), r.Height());
    };
    place(ImageButton1, kCloseBounds);
    SetPlainPictures(ImageButton1,
                     art::DrawGlyphButton(art::Glyph::CloseSmall, kCloseBounds.Width(),
                                          kCloseBounds.Height(), scale_)
                         .plain);
    place(lbCaption, kCaptionBounds);
    TFontDesc font;
    font.Family = kFontFamily;
    font.PixelHeight = scale_.Px(kCaptionFontHeight);
    font.Color = kWhite;
    lbCaption.Font = font;
    // The bar's own size at the scale (the scaled rectangle's edges may
    // round to a pixel less), so the picture fits its control exactly.
    Image321.SetBounds(scale_.Px(kBarBounds.Left), scale_.Px(kBarBounds.Top),
                       scale_.Px(art::kProgressBarWidth), scale_.Px(art::kProgressBarHeight));
    DrawProgress();
}

void TLoadForm::SetScale(DisplayScale scale) {
    if (scale == scale_) return;
    scale_ = scale;
    LayoutControls();
    if (!hwnd()) return;
    SetWindowPos(hwnd(), nullptr, 0, 0, ClientWidth(), ClientHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.UpdateHints();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

bool TLoadForm::CreateForm(HWND owner) {
    if (!RegisterClassOnce(kClassName)) return false;
    // Like the notification: a topmost tool-window pop-up owned by the
    // hidden main window, so it has no taskbar button anywhere.
    if (!Create(TopmostToolWindow(kClassName, L"ЛюмиГРАБ", WS_POPUP, kClientWidth, kClientHeight,
                                  owner)))
        return false;
    controls_.Attach(hwnd());
    for (TGraphicControl* c :
         std::initializer_list<TGraphicControl*>{&ImageButton1, &lbCaption, &Image321}) {
        controls_.Add(*c);
    }
    SetScale(ScaleOfPrimaryMonitor());
    PlaceOnWorkArea();
    g_loadForm = this;
    return true;
}

void TLoadForm::PlaceOnWorkArea() {
    PlaceInNotificationCorner(hwnd(), ClientWidth(), ClientHeight(), scale_, false);
}

void TLoadForm::Show() {
    if (!hwnd()) return;
    SetScale(ScaleOfPrimaryMonitor());
    PlaceInNotificationCorner(hwnd(), ClientWidth(), ClientHeight(), scale_, true);
    Trace(L"upload progress shown");
}

void TLoadForm::Close() {
    if (!Showing()) return;
    ShowWindow(hwnd(), SW_HIDE);
    Trace(L"upload progress closed");
}

void TLoadForm::SetPosition(int position) {
    position_ = position;
    if (position_ >= 100) Close();
    DrawProgress();
}

void TLoadForm::DrawProgress() {
    Image321.SetPicture(art::DrawProgressBar(position_, scale_));
}

LRESULT TLoadForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_MOUSEACTIVATE:
            // Its close button leaves the focus where it was.
            return MA_NOACTIVATE;
        case WM_DPICHANGED:
            SetScale(ScaleFromDpiChanged(wp));
            PlaceOnWorkArea();
            return 0;
    }
    LRESULT result = 0;
    if (controls_.HandleMessage(msg, wp, lp, result)) return result;
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
