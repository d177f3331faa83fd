#include "output/bhint_form.h"

#include <algorithm>
#include <vector>

#include "app/app_icon.h"
#include "art/button_art.h"
#include "controls/image_button_art.h"
#include "platform/trace.h"
#include "platform/u16.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TBHintForm";
constexpr UINT_PTR kTimer1Id = 1;

// The controls in the 96-DPI form, and the pixel heights of its fonts.
constexpr TRect kIconBounds{20, 20, 55, 55};
constexpr TRect kCaptionBounds{69, 22, 369, 42};
constexpr TRect kTextBounds{69, 41, 379, 96};
constexpr TRect kCloseBounds{375, 5, 395, 25};
constexpr int kCaptionFontHeight = 15;
constexpr int kTextFontHeight = 13;

constexpr TColor32 kWhite = 0xFFFFFFFFu;

constexpr char16_t kFontFamily[] = u"Noto Sans";

TBHintForm* g_bhintForm = nullptr;

TBitmap32 AppIconPicture(int size) {
    TBitmap32 picture;
    const std::vector<uint32_t> pixels = DrawAppIcon(size);
    if (pixels.empty()) return picture;
    picture.SetSize(size, size);
    std::copy(pixels.begin(), pixels.end(), picture.Bits());
    return picture;
}

TFontDesc NotificationFont(int pixelHeight, std::uint8_t style) {
    TFontDesc font;
    font.Family = kFontFamily;
    font.PixelHeight = pixelHeight;
    font.Style = style;
    font.Color = kWhite;
    return font;
}

}  // namespace

TBHintForm::TBHintForm(UINT timer1Interval)
    : CornerPopup(kClassName, TSize{kClientWidth, kClientHeight}), timer1Interval_(timer1Interval) {
    lbCaption.SetCaption(kProgramDisplayName);
    lbText.SetWordWrap(true);
    ImageButton1.Cursor = crHandPoint;
    ImageButton1.OnClick = [this](TGraphicControl&) { Close(); };
    LayoutControls();
}

void TBHintForm::LayoutControls() {
    const DisplayScale& s = Scale();
    PlaceControl(Image1, kIconBounds);
    Image1.SetPicture(AppIconPicture(s.Px(kIconBounds.Width())));
    PlaceControl(lbCaption, kCaptionBounds);
    lbCaption.Font = NotificationFont(s.Px(kCaptionFontHeight), fsBold);
    PlaceControl(lbText, kTextBounds);
    lbText.Font = NotificationFont(s.Px(kTextFontHeight), 0);
    PlaceControl(ImageButton1, kCloseBounds);
    SetPlainPictures(
        ImageButton1,
        art::DrawGlyphButton(art::Glyph::CloseSmall, kCloseBounds.Width(), kCloseBounds.Height(), s)
            .plain);
}

TBHintForm::~TBHintForm() {
    if (g_bhintForm == this) g_bhintForm = nullptr;
    if (hwnd() && timer1Enabled_) KillTimer(hwnd(), kTimer1Id);
}

bool TBHintForm::CreateForm(HWND owner) {
    if (!CreatePopup(owner, {&Image1, &lbCaption, &lbText, &ImageButton1})) return false;
    g_bhintForm = this;
    return true;
}

void TBHintForm::ShowMessage(std::u16string_view message) {
    if (!hwnd()) return;
    if (Showing()) Close();
    lbText.SetCaption(message);
    // The drawn label is no text to a screen reader: the window's own text
    // is what it reads out.
    SetWindowTextW(hwnd(), ToWide(message).c_str());
    ShowInCorner();
    SetTimer1Enabled(true);
    Trace(L"notification shown");
}

void TBHintForm::Close() {
    if (!Showing()) return;
    ShowWindow(hwnd(), SW_HIDE);
    Trace(L"notification closed");
}

void TBHintForm::SetTimer1Enabled(bool enabled) {
    if (enabled == timer1Enabled_) return;
    // SetTimer on a running id would restart its count; the flag keeps a
    // running timer as it is.
    if (enabled) {
        timer1Enabled_ = SetTimer(hwnd(), kTimer1Id, timer1Interval_, nullptr) != 0;
    } else {
        KillTimer(hwnd(), kTimer1Id);
        timer1Enabled_ = false;
    }
}

void TBHintForm::Timer1Timer() {
    SetTimer1Enabled(false);
    Close();
}

bool TBHintForm::OnTimer(UINT_PTR id) {
    if (id != kTimer1Id) return false;
    Timer1Timer();
    return true;
}

void ShowBHint(std::u16string_view message) {
    if (g_bhintForm) {
        g_bhintForm->ShowMessage(message);
    } else {
        Trace(L"notification not shown: no window");
    }
}

}  // namespace lg::win
