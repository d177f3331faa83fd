#include "output/load_form.h"

#include "art/button_art.h"
#include "art/progress_bar.h"
#include "controls/image_button_art.h"
#include "platform/trace.h"

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

TLoadForm* g_loadForm = nullptr;

}  // namespace

TLoadForm* LoadForm() {
    return g_loadForm;
}

TLoadForm::TLoadForm() : CornerPopup(kClassName, TSize{kClientWidth, kClientHeight}) {
    lbCaption.SetCaption(kCaption);
    ImageButton1.Cursor = crHandPoint;
    ImageButton1.OnClick = [this](TGraphicControl&) { Close(); };
    LayoutControls();
}

TLoadForm::~TLoadForm() {
    if (g_loadForm == this) g_loadForm = nullptr;
}

void TLoadForm::LayoutControls() {
    const DisplayScale& s = Scale();
    PlaceControl(ImageButton1, kCloseBounds);
    SetPlainPictures(
        ImageButton1,
        art::DrawGlyphButton(art::Glyph::CloseSmall, kCloseBounds.Width(), kCloseBounds.Height(), s)
            .plain);
    PlaceControl(lbCaption, kCaptionBounds);
    TFontDesc font;
    font.Family = kFontFamily;
    font.PixelHeight = s.Px(kCaptionFontHeight);
    font.Color = kWhite;
    lbCaption.Font = font;
    // The bar's own size at the scale (the scaled rectangle's edges may
    // round to a pixel less), so the picture fits its control exactly.
    Image321.SetBounds(s.Px(kBarBounds.Left), s.Px(kBarBounds.Top), s.Px(art::kProgressBarWidth),
                       s.Px(art::kProgressBarHeight));
    DrawProgress();
}

bool TLoadForm::CreateForm(HWND owner) {
    if (!CreatePopup(owner, {&ImageButton1, &lbCaption, &Image321})) return false;
    g_loadForm = this;
    return true;
}

void TLoadForm::Show() {
    if (!hwnd()) return;
    ShowInCorner();
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
    Image321.SetPicture(art::DrawProgressBar(position_, Scale()));
}

}  // namespace lg::win
