#include "info/form_survey.h"

#include "app/endpoints.h"
#include "art/art_colors.h"
#include "art/info_art.h"
#include "art/star_art.h"
#include "controls/image_button_art.h"
#include "info/info_look.h"
#include "info/info_pictures.h"
#include "update/feedback.h"

namespace lg::win {
namespace {

constexpr TRect kTitle{8, 61, 556, 92};
constexpr int kStarLefts[5] = {174, 225, 276, 327, 378};
constexpr int kStarTop = 110;
constexpr int kStar = art::kStarButtonSize;
constexpr TRect kNextRun{468, 224, 580, 244};
constexpr TRect kClose{552, 0, 590, 38};
static_assert(kTitle.Width() == 548 && kTitle.Height() == 31);
static_assert(kClose.Width() == 38 && kClose.Height() == 38);
static_assert(kStarLefts[4] + kStar <= TFormSurvey::kClientSize.cx);

TRect StarBounds(int i) {
    const int left = kStarLefts[i];
    return TRect{left, kStarTop, left + kStar, kStarTop + kStar};
}

POINT CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

}  // namespace

TFormSurvey::TFormSurvey(InfoServices services)
    : InfoForm(L"TFormSurvey", L"Оценка программы", kClientSize, art::kWindowSurface),
      services_(std::move(services)) {
    LabelTitle.SetCaption(u"Вам понравилась программа ЛюмиГРАБ?");
    LabelTitle.Alignment = taCenter;
    LabelTitle.CentreVertically = true;
    LabelTitle.TakesMouse = true;
    LabelTitle.OnMouseDownAt = [this](int, int) { LabelTitleMouseDown(CursorPos()); };
    LabelTitle.OnMouseMoveAt = [this](int, int) { LabelTitleMouseMove(CursorPos()); };
    LabelTitle.OnMouseUpAt = [this](int, int) { LabelTitleMouseUp(); };
    for (int i = 0; i < 5; ++i) {
        THoverImageButton& star = StarStates[static_cast<std::size_t>(i)];
        star.Cursor = crHandPoint;
        star.OnClick = [this](TGraphicControl&) { StarStatesClick(); };
        star.OnMouseEnter = [this, i] { StarStatesMouseEnter(i + 1); };
        star.OnMouseLeave = [this] { StarStatesMouseLeave(); };
    }
    LightStars(kStarsLitAtOpen);
    LabelNextRun.SetCaption(u"Оценить позже");
    LabelNextRun.TakesMouse = true;
    LabelNextRun.Cursor = crHandPoint;
    LabelNextRun.OnClick = [this](TGraphicControl&) { LabelNextRunClick(); };
    LabelNextRun.OnMouseEnter = [this] { LabelNextRunMouseMove(); };
    LabelNextRun.OnMouseMoveAt = [this](int, int) { LabelNextRunMouseMove(); };
    LabelNextRun.OnMouseLeave = [this] { LabelNextRunMouseLeave(); };
    BtnClose.OnClick = [this](TGraphicControl&) { BtnCloseClick(); };
}

bool TFormSurvey::CreateForm() {
    return CreateInfoWindow(PointerMonitor(),
                            {&LabelTitle, &StarStates[0], &StarStates[1], &StarStates[2],
                             &StarStates[3], &StarStates[4], &LabelNextRun, &BtnClose});
}

void TFormSurvey::LayoutControls() {
    const DisplayScale& s = Scale();
    Place(LabelTitle, kTitle);
    LabelTitle.Font = Font(kRoboto, 19, kWhite);
    const art::ButtonArt star = art::DrawStarButton(kStar, s);
    for (int i = 0; i < 5; ++i) {
        THoverImageButton& b = StarStates[static_cast<std::size_t>(i)];
        Place(b, StarBounds(i));
        SetButtonArt(b, star);
    }
    Place(LabelNextRun, kNextRun);
    SetNextRunHover(nextRunHover_);
    Place(BtnClose, kClose);
    MakeCloseButton(BtnClose, kClose.Width(), kClose.Height(), s);
}

void TFormSurvey::Show() {
    ShowInFront();
}

int TFormSurvey::LitStars() const {
    int lit = 0;
    while (lit < 5 && StarStates[static_cast<std::size_t>(lit)].Down()) ++lit;
    for (int i = lit; i < 5; ++i) {
        if (StarStates[static_cast<std::size_t>(i)].Down()) return -1;
    }
    return lit;
}

void TFormSurvey::LightStars(int count) {
    for (int i = 0; i < 5; ++i) StarStates[static_cast<std::size_t>(i)].SetDown(i < count);
}

void TFormSurvey::StarStatesMouseEnter(int k) {
    LightStars(k);
}

void TFormSurvey::StarStatesMouseLeave() {
    LightStars(0);
}

void TFormSurvey::StarStatesClick() {
    // Which star it was is not kept: any rating is the site's to take.
    if (services_.openPage) services_.openPage(endpoint::kSurvey);
    if (services_.store) RememberSurveySeen(*services_.store);
    FormClose();
}

void TFormSurvey::SetNextRunHover(bool hover) {
    nextRunHover_ = hover;
    LabelNextRun.Font =
        Font(kRoboto, 15, hover ? kLaterHoverColour : kLaterColour, hover ? 0 : fsUnderline);
    LabelNextRun.Invalidate();
}

void TFormSurvey::LabelNextRunMouseMove() {
    if (!nextRunHover_) SetNextRunHover(true);
}

void TFormSurvey::LabelNextRunMouseLeave() {
    SetNextRunHover(false);
}

void TFormSurvey::LabelNextRunClick() {
    FormClose();
}

void TFormSurvey::BtnCloseClick() {
    FormClose();
}

void TFormSurvey::LabelTitleMouseDown(POINT screen) {
    IsTitleMoving = hwnd() && !IsIconic(hwnd()) && !IsZoomed(hwnd());
    TitleLastPoint = screen;
}

void TFormSurvey::LabelTitleMouseMove(POINT screen) {
    if (!IsTitleMoving) return;
    if (screen.x == TitleLastPoint.x && screen.y == TitleLastPoint.y) return;
    RECT r{};
    GetWindowRect(hwnd(), &r);
    SetWindowPos(hwnd(), nullptr, r.left + screen.x - TitleLastPoint.x,
                 r.top + screen.y - TitleLastPoint.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    TitleLastPoint = screen;
}

void TFormSurvey::LabelTitleMouseUp() {
    IsTitleMoving = false;
}

void TFormSurvey::FormClose() {
    IsTitleMoving = false;
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
    if (OnClosed) OnClosed();
}

}  // namespace lg::win
