#include "info/about_form.h"

#include "app/endpoints.h"
#include "art/art_colors.h"
#include "art/info_art.h"
#include "controls/image_button_art.h"
#include "info/info_look.h"
#include "info/info_pictures.h"
#include "platform/program_version.h"

namespace lg::win {
namespace {

constexpr TRect kLabel4{21, 18, 300, 38};
constexpr TRect kClose{554, 8, 568, 22};
constexpr TRect kImage2{247, 63, 321, 137};
constexpr TRect kLabel1{8, 157, 568, 185};
constexpr TRect kLabel2{8, 200, 568, 228};
constexpr TRect kLabel3{8, 241, 568, 269};
constexpr TRect kLink{24, 325, 131, 348};
constexpr TRect kCloseText{417, 318, 559, 356};
static_assert(kLabel1.Width() == 560 && kLabel1.Height() == 28);
static_assert(kLink.Width() == 107 && kLink.Height() == 23);
static_assert(kCloseText.Width() == 142 && kCloseText.Height() == 38);

}  // namespace

TAboutForm::TAboutForm(InfoServices services)
    : InfoForm(L"TAboutForm", L"О программе", kClientSize, art::kWindowSurface),
      services_(std::move(services)) {
    Label4.SetCaption(u"О программе");
    ImageButton1.OnClick = [this](TGraphicControl&) { ImageButton1Click(); };
    Label1.SetCaption(u"Программа ЛюмиГРАБ");
    Label2.SetCaption(u"Снимки экрана — быстро и точно");
    Label3.SetCaption(u"Версия " + GetProgramVersion(true));
    for (TInfoLabel* l : {&Label1, &Label2, &Label3}) {
        l->Alignment = taCenter;
        l->CentreVertically = true;
    }
    ImageButton3.SetText(u"Наш сайт");
    ImageButton3.OnClick = [this](TGraphicControl&) { ImageButton3Click(); };
    ImageButton4.SetText(u"ЗАКРЫТЬ");
    ImageButton4.Cursor = crHandPoint;
    ImageButton4.OnClick = [this](TGraphicControl&) { ImageButton4Click(); };
}

bool TAboutForm::CreateForm() {
    return CreateInfoWindow(PointerMonitor(), {&Label4, &ImageButton1, &Image2, &Label1, &Label2,
                                               &Label3, &ImageButton3, &ImageButton4});
}

void TAboutForm::LayoutControls() {
    const DisplayScale& s = Scale();
    background = art::DrawInfoBackground(kClientSize.cx, kClientSize.cy, s);
    Place(Label4, kLabel4);
    Label4.Font = Font(kNotoSans, 15, kTitleColour);
    Place(ImageButton1, kClose);
    MakeCloseButton(ImageButton1, kClose.Width(), kClose.Height(), s);
    Place(Image2, kImage2);
    Image2.SetPicture(ProgramIconPicture(kImage2.Width(), s));
    Place(Label1, kLabel1);
    Label1.Font = Font(kNotoSans, 23, kWhite, fsBold);
    Place(Label2, kLabel2);
    Label2.Font = Font(kNotoSans, 11, kQuietColour, fsBold);
    Place(Label3, kLabel3);
    Label3.Font = Font(kNotoSans, 15, kVersionColour, fsBold);
    Place(ImageButton3, kLink);
    MakeLinkButton(ImageButton3, {kLink.Width(), kLink.Height()}, Font(kNotoSans, 13, kWhite), s);
    Place(ImageButton4, kCloseText);
    SetPlainPictures(ImageButton4, art::DrawTextButton(art::TextButtonKind::Secondary,
                                                       kCloseText.Width(), kCloseText.Height(), s)
                                       .plain);
    ImageButton4.Font = Font(kRoboto, 15, kWhite);
}

void TAboutForm::Show() {
    ShowInFront();
}

void TAboutForm::ImageButton1Click() {
    FormClose();
}

void TAboutForm::ImageButton3Click() {
    if (services_.openPage) services_.openPage(endpoint::kHome);
}

void TAboutForm::ImageButton4Click() {
    FormClose();
}

void TAboutForm::FormClose() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
    if (OnClosed) OnClosed();
}

}  // namespace lg::win
