#include "info/form_offer_kvr.h"

#include "app/endpoints.h"
#include "art/art_colors.h"
#include "art/info_art.h"
#include "art/offer_art.h"
#include "controls/image_button_art.h"
#include "info/info_look.h"
#include "info/info_pictures.h"
#include "platform/display_dpi.h"
#include "settings/settings_date.h"
#include "update/feedback.h"

namespace lg::win {
namespace {

constexpr TRect kTitle{24, 31, 300, 51};
constexpr TRect kClose{736, 24, 768, 56};
// The text column right of the picture, its left edge the button's.
constexpr TRect kHeadline{343, 150, 765, 238};
constexpr TRect kText{343, 254, 765, 340};
constexpr TRect kLearnMore{343, 373, 589, 427};
static_assert(kLearnMore.Width() == 246 && kLearnMore.Height() == 54);
static_assert(kClose.Width() == 32 && kClose.Right == TFormOfferKVR::kClientSize.cx - 21);
static_assert(TFormOfferKVR::kClientSize == art::kOfferSize);

constexpr int kLearnMoreTextShift = -25;
constexpr int kArrowIcon = 20;
constexpr int kArrowInset = 22;

}  // namespace

TFormOfferKVR::TFormOfferKVR(InfoServices services)
    : InfoForm(L"TFormOfferKVR", L"Записать видео", kClientSize, art::kWindowSurface),
      services_(std::move(services)) {
    lbTitle.SetCaption(u"Записать видео");
    lbHeadline.SetCaption(u"Снимайте видео\r\nс экрана так же легко");
    lbText.SetCaption(
        u"Весь экран, одно окно или выделенная область —\r\n"
        u"со звуком и курсором. Готовый ролик можно\r\n"
        u"сразу сохранить или отправить по ссылке.");
    ImageButton1.SetText(u"УЗНАТЬ БОЛЬШЕ");
    ImageButton1.Cursor = crHandPoint;
    ImageButton1.OnClick = [this](TGraphicControl&) { ImageButton1Click(); };
    ImageButton2.OnClick = [this](TGraphicControl&) { ImageButton2Click(); };
}

bool TFormOfferKVR::CreateForm() {
    return CreateInfoWindow(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY),
                            {&lbTitle, &lbHeadline, &lbText, &ImageButton1, &ImageButton2});
}

void TFormOfferKVR::LayoutControls() {
    const DisplayScale& s = Scale();
    background = art::DrawOfferPicture(s);
    Place(lbTitle, kTitle);
    lbTitle.Font = Font(kNotoSans, 15, kTitleColour);
    Place(lbHeadline, kHeadline);
    lbHeadline.Font = Font(kOpenSans, 32, kWhite, fsBold);
    Place(lbText, kText);
    lbText.Font = Font(kNotoSans, 16, kTitleColour);
    Place(ImageButton1, kLearnMore);
    SetPlainPictures(ImageButton1, art::DrawTextButton(art::TextButtonKind::Primary,
                                                       kLearnMore.Width(), kLearnMore.Height(), s)
                                       .plain);
    ImageButton1.Font = Font(kOpenSans, 16, kWhite, fsBold);
    ImageButton1.SetOffsetTextX(s.Px(kLearnMoreTextShift));
    ImageButton1.SetIconRigth(art::DrawArrowIcon(kArrowIcon, s));
    ImageButton1.OffsetIconRigthX = -s.Px(kArrowInset);
    Place(ImageButton2, kClose);
    MakeCloseButton(ImageButton2, kClose.Width(), kClose.Height(), s);
}

void TFormOfferKVR::Show() {
    if (!hwnd() || Showing()) return;
    // The primary monitor's middle, wherever it was dragged last time.
    const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    SetScale(ScaleOfMonitor(primary));
    MoveToPlacement(Scale(), primary);
    ShowInFront();
}

void TFormOfferKVR::ImageButton1Click() {
    if (services_.openPage) services_.openPage(endpoint::kVersionPro);
    CloseUntil(true);
}

void TFormOfferKVR::ImageButton2Click() {
    CloseUntil(false);
}

void TFormOfferKVR::CloseUntil(bool learnedMore) {
    if (services_.store && services_.today) {
        WriteSettingsDate(*services_.store, kShowOfferDate,
                          OfferDateAfter(services_.today(), learnedMore));
    }
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

}  // namespace lg::win
