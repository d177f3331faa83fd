#include "info/welcom_form.h"

#include "app/endpoints.h"
#include "art/art_colors.h"
#include "art/info_art.h"
#include "controls/image_button_art.h"
#include "info/info_look.h"
#include "info/info_pictures.h"

namespace lg::win {
namespace {

constexpr UINT_PTR kShowWaitTimer = 1;

constexpr TRect kTitle{21, 18, 300, 38};
constexpr TRect kClose{554, 8, 568, 22};
// The icon, the heading and the text sit where the about window has its
// icon, name and version lines, so the two read as one family.
constexpr TRect kImage2{251, 56, 325, 130};
constexpr TRect kHeading{8, 150, 568, 182};
constexpr TRect kText{48, 196, 528, 260};
constexpr TRect kCapture{355, 315, 555, 357};
constexpr TRect kLink{24, 325, 131, 348};
static_assert(kCapture.Width() == 200 && kCapture.Height() == 42);
static_assert(kLink.Width() == 107 && kLink.Height() == 23);
static_assert(kCapture.Right == TWelcomForm::kClientSize.cx - 21);
static_assert(kImage2.Left + kImage2.Width() / 2 == TWelcomForm::kClientSize.cx / 2);

constexpr int kCaptureTextShift = 10;

}  // namespace

TWelcomForm::TWelcomForm(InfoServices services, UINT showWait)
    : InfoForm(L"TWelcomForm", L"Добро пожаловать", kClientSize, art::kWindowSurface),
      services_(std::move(services)),
      showWait_(showWait) {
    lbTitle.SetCaption(u"Добро пожаловать");
    ImageButton1.OnClick = [this](TGraphicControl&) { ImageButton1Click(); };
    lbHeading.SetCaption(u"ЛюмиГРАБ готов к работе");
    lbText.SetCaption(
        u"Программа ждёт в области уведомлений. Нажмите Print Screen\r\n"
        u"или щёлкните по её значку, выделите нужную часть экрана —\r\n"
        u"и снимок можно подписать, сохранить или отправить.");
    for (TInfoLabel* l : {&lbHeading, &lbText}) l->Alignment = taCenter;
    lbHeading.CentreVertically = true;
    ImageButton2.SetText(u"Сделать скриншот");
    ImageButton2.Cursor = crHandPoint;
    ImageButton2.OnClick = [this](TGraphicControl&) { ImageButton2Click(); };
    ImageButton3.SetText(u"Как снимать");
    ImageButton3.OnClick = [this](TGraphicControl&) { ImageButton3Click(); };
}

bool TWelcomForm::CreateForm() {
    return CreateInfoWindow(PointerMonitor(), {&lbTitle, &ImageButton1, &Image2, &lbHeading,
                                               &lbText, &ImageButton2, &ImageButton3});
}

void TWelcomForm::LayoutControls() {
    const DisplayScale& s = Scale();
    background = art::DrawInfoBackground(kClientSize.cx, kClientSize.cy, s);
    Place(lbTitle, kTitle);
    lbTitle.Font = Font(kNotoSans, 15, kTitleColour);
    Place(ImageButton1, kClose);
    MakeCloseButton(ImageButton1, kClose.Width(), kClose.Height(), s);
    Place(Image2, kImage2);
    Image2.SetPicture(ProgramIconPicture(kImage2.Width(), s));
    Place(lbHeading, kHeading);
    lbHeading.Font = Font(kNotoSans, 23, kWhite, fsBold);
    Place(lbText, kText);
    lbText.Font = Font(kNotoSans, 15, kTitleColour);
    Place(ImageButton2, kCapture);
    SetPlainPictures(ImageButton2,
                     art::DrawCaptureButton(kCapture.Width(), kCapture.Height(), s).plain);
    ImageButton2.Font = Font(kNotoSans, 13, kWhite, fsBold);
    ImageButton2.SetOffsetTextX(s.Px(kCaptureTextShift));
    Place(ImageButton3, kLink);
    MakeLinkButton(ImageButton3, {kLink.Width(), kLink.Height()}, Font(kNotoSans, 13, kWhite), s);
}

int TWelcomForm::ShowModal(HWND owner) {
    if (!hwnd() && !CreateForm()) return kResultClosed;
    FormShow();
    return RunModal(owner);
}

void TWelcomForm::FormShow() {
    if (services_.openPage) services_.openPage(endpoint::kWelcome);
    // The wait runs on a timer: the window paints and can be moved while
    // the browser starts, and the buttons answer once it is over.
    SetReady(false);
    if (!hwnd() || SetTimer(hwnd(), kShowWaitTimer, showWait_, nullptr) == 0) SetReady(true);
}

bool TWelcomForm::OnTimer(UINT_PTR id) {
    if (id != kShowWaitTimer) return false;
    KillTimer(hwnd(), kShowWaitTimer);
    SetReady(true);
    // The browser has come up meanwhile; the window belongs in front of it.
    if (Showing()) SetForegroundWindow(hwnd());
    return true;
}

void TWelcomForm::SetReady(bool ready) {
    ready_ = ready;
    for (TImageButton* b : {&ImageButton1, &ImageButton2, &ImageButton3}) b->SetEnabled(ready);
}

void TWelcomForm::CloseRequest() {
    if (ready_) ImageButton1Click();
}

void TWelcomForm::ImageButton1Click() {
    EndModal(kResultClosed);
}

void TWelcomForm::ImageButton2Click() {
    EndModal(kResultAction);
}

void TWelcomForm::ImageButton3Click() {
    if (services_.openPage) services_.openPage(endpoint::kTakeScreenshot);
}

}  // namespace lg::win
