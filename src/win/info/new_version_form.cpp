#include "info/new_version_form.h"

#include "art/art_colors.h"
#include "art/info_art.h"
#include "controls/image_button_art.h"
#include "info/info_look.h"
#include "platform/program_version.h"

namespace lg::win {
namespace {

constexpr TRect kLabel4{21, 18, 300, 38};
constexpr TRect kClose{504, 8, 518, 22};
constexpr TRect kImage2{45, 85, 85, 125};
// Two lines of 19-pixel Noto Sans need more than the 340 x 46 the label was
// drawn at; it keeps its place and grows to the window's right margin.
constexpr TRect kLabel1{103, 81, 505, 135};
constexpr TRect kLabel3{103, 146, 443, 166};
constexpr TRect kUpdate{363, 200, 505, 238};
static_assert(kClose.Right <= TNewVersionForm::kClientSize.cx - 8);
static_assert(kUpdate.Right == TNewVersionForm::kClientSize.cx - 21,
              "the button's right edge lines up with the title's left margin");

}  // namespace

TNewVersionForm::TNewVersionForm()
    : InfoForm(L"TNewVersionForm", L"Обновление", kClientSize, art::kWindowSurface) {
    Label4.SetCaption(u"Обновление");
    ImageButton1.Hint = u"Закрыть";
    ImageButton1.Cursor = crHandPoint;
    ImageButton1.OnClick = [this](TGraphicControl&) { ImageButton1Click(); };
    Label1.SetCaption(u"Доступна новая версия! Необходимо\r\nобновить программу.");
    Label3.SetCaption(u"ЛюмиГРАБ Версия " + GetProgramVersion(true));
    ImageButton5.SetText(u"ОБНОВИТЬ");
    ImageButton5.Cursor = crHandPoint;
    ImageButton5.OnClick = [this](TGraphicControl&) { ImageButton5Click(); };
}

bool TNewVersionForm::CreateForm() {
    return CreateInfoWindow(PointerMonitor(),
                            {&Label4, &ImageButton1, &Image2, &Label1, &Label3, &ImageButton5});
}

void TNewVersionForm::LayoutControls() {
    const DisplayScale& s = Scale();
    Place(Label4, kLabel4);
    Label4.Font = Font(kNotoSans, 15, kTitleColour);
    Place(ImageButton1, kClose);
    SetPlainPictures(
        ImageButton1,
        art::DrawGlyphButton(art::Glyph::CloseSmall, kClose.Width(), kClose.Height(), s).plain);
    Place(Image2, kImage2);
    Image2.SetPicture(art::DrawUpdateBadge(kImage2.Width(), s));
    Place(Label1, kLabel1);
    Label1.Font = Font(kNotoSans, 19, kWhite);
    Place(Label3, kLabel3);
    Label3.Font = Font(kNotoSans, 15, kVersionColour);
    Place(ImageButton5, kUpdate);
    SetPlainPictures(ImageButton5, art::DrawTextButton(art::TextButtonKind::Primary,
                                                       kUpdate.Width(), kUpdate.Height(), s)
                                       .plain);
    ImageButton5.Font = Font(kRoboto, 15, kWhite, fsBold);
}

int TNewVersionForm::ShowModal(HWND owner) {
    if (!hwnd() && !CreateForm()) return kResultClosed;
    return RunModal(owner);
}

void TNewVersionForm::ImageButton1Click() {
    EndModal(kResultClosed);
}

void TNewVersionForm::ImageButton5Click() {
    EndModal(kResultAction);
}

}  // namespace lg::win
