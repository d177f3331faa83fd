#include "output/bhint_form.h"

#include <algorithm>
#include <vector>

#include "app/app_icon.h"
#include "art/art_colors.h"
#include "art/button_art.h"
#include "controls/caption_text.h"
#include "controls/image_button_art.h"
#include "output/load_form.h"
#include "platform/trace.h"
#include "platform/u16.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TBHintForm";
constexpr UINT_PTR kTimer1Id = 1;
// The copy button's click, run after the click has been handled: what it
// does may show another message in this window.
constexpr UINT kCopyLinkMessage = WM_APP + 1;

// The controls in the 96-DPI form, and the pixel heights of its fonts.
constexpr TRect kIconBounds{20, 20, 55, 55};
constexpr TRect kCaptionBounds{69, 22, 369, 42};
constexpr TRect kTextBounds{69, 41, 379, 96};
constexpr TRect kCloseBounds{375, 5, 395, 25};
constexpr int kCaptionFontHeight = 15;
constexpr int kTextFontHeight = 13;

// With a link, the message, the link and the copy button stack under the
// caption, and the window grows to hold them (96-DPI pixels).
constexpr int kTextLineHeight = 18;  // one line of the 13-pixel font
constexpr int kLinkGap = 4;          // message to link
constexpr int kButtonGap = 8;        // link to button
constexpr TSize kCopyButton{120, 26};
constexpr int kLinkBottomMargin = 14;
constexpr int kButtonFontHeight = 13;
constexpr char16_t kCopyCaption[] = u"Копировать";
constexpr char16_t kButtonFontFamily[] = u"Roboto";

struct LinkLayout {
    TRect text;
    TRect link;
    TRect button;
    int height;
};

constexpr LinkLayout LinkLayoutFor(int textLines) {
    const int textBottom = kTextBounds.Top + textLines * kTextLineHeight;
    const int linkTop = textBottom + kLinkGap;
    const int buttonTop = linkTop + kTextLineHeight + kButtonGap;
    return {.text = {kTextBounds.Left, kTextBounds.Top, kTextBounds.Right, textBottom},
            .link = {kTextBounds.Left, linkTop, kTextBounds.Right, linkTop + kTextLineHeight},
            .button = {kTextBounds.Left, buttonTop, kTextBounds.Left + kCopyButton.cx,
                       buttonTop + kCopyButton.cy},
            .height = buttonTop + kCopyButton.cy + kLinkBottomMargin};
}
// A one-line message keeps its place and the window only grows.
static_assert(LinkLayoutFor(1).height > TBHintForm::kClientHeight);
static_assert(LinkLayoutFor(1).button.Right < kCloseBounds.Left);

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
    lbLink.SetElideInMiddle(true);
    lbLink.SetVisible(false);
    btCopyLink.SetText(kCopyCaption);
    btCopyLink.Cursor = crHandPoint;
    btCopyLink.SetVisible(false);
    btCopyLink.OnClick = [this](TGraphicControl&) {
        if (hwnd()) PostMessageW(hwnd(), kCopyLinkMessage, 0, 0);
    };
    LayoutControls();
}

void TBHintForm::LayoutControls() {
    const DisplayScale& s = Scale();
    PlaceControl(Image1, kIconBounds);
    Image1.SetPicture(AppIconPicture(s.Px(kIconBounds.Width())));
    PlaceControl(lbCaption, kCaptionBounds);
    lbCaption.Font = NotificationFont(s.Px(kCaptionFontHeight), fsBold);
    const LinkLayout linked = LinkLayoutFor(textLines_);
    PlaceControl(lbText, linkShown_ ? linked.text : kTextBounds);
    lbText.Font = NotificationFont(s.Px(kTextFontHeight), 0);
    PlaceControl(lbLink, linked.link);
    lbLink.Font = NotificationFont(s.Px(kTextFontHeight), 0);
    lbLink.Font.Color = art::kAccent;
    PlaceControl(btCopyLink, linked.button);
    SetPlainPictures(
        btCopyLink,
        art::DrawTextButton(art::TextButtonKind::Primary, kCopyButton.cx, kCopyButton.cy, s).plain);
    TFontDesc buttonFont = NotificationFont(s.Px(kButtonFontHeight), 0);
    buttonFont.Family = kButtonFontFamily;
    btCopyLink.Font = buttonFont;
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
    if (!CreatePopup(owner, {&Image1, &lbCaption, &lbText, &ImageButton1, &lbLink, &btCopyLink}))
        return false;
    g_bhintForm = this;
    return true;
}

void TBHintForm::Present(std::u16string_view message, bool withLink) {
    // Hidden for the next message, which is no close of the window.
    if (Showing()) ShowWindow(hwnd(), SW_HIDE);
    lbText.SetCaption(message);
    // The drawn label is no text to a screen reader: the window's own text
    // is what it reads out.
    SetWindowTextW(hwnd(), ToWide(message).c_str());
    linkShown_ = withLink;
    lbLink.SetVisible(withLink);
    btCopyLink.SetVisible(withLink);
    if (withLink) {
        TBitmap32 measurer;  // the lines at the layout's own size
        measurer.SetFont(NotificationFont(kTextFontHeight, 0));
        textLines_ = std::max<int>(
            1, static_cast<int>(WrapTextLines(measurer, message, kTextBounds.Width()).size()));
    } else {
        onCopy_ = nullptr;
    }
    const int height = withLink ? LinkLayoutFor(textLines_).height : kClientHeight;
    SetClientSize96(TSize{kClientWidth, height});
    LayoutControls();
}

void TBHintForm::ShowAtCorner() {
    // Above the upload's progress when that shows, not over it.
    const TLoadForm* progress = LoadForm();
    ShowInCorner(progress && progress->Showing() ? progress->hwnd() : nullptr);
}

void TBHintForm::ShowMessage(std::u16string_view message) {
    if (!hwnd()) return;
    Present(message, false);
    ShowAtCorner();
    SetTimer1Enabled(true);
    Trace(L"notification shown");
}

void TBHintForm::ShowMessageAnew(std::u16string_view message) {
    if (!hwnd()) return;
    Present(message, false);
    ShowAtCorner();
    RestartTimer1();
    Trace(L"notification shown");
}

void TBHintForm::ShowLink(std::u16string_view message, std::u16string_view link,
                          std::function<void()> onCopy) {
    if (!hwnd()) return;
    lbLink.SetCaption(link);
    Present(message, true);
    onCopy_ = std::move(onCopy);
    ShowAtCorner();
    // Time to reach for the button, whatever an earlier message left.
    RestartTimer1();
    Trace(L"notification shown with a link");
}

void TBHintForm::Close() {
    if (!Showing()) return;
    ShowWindow(hwnd(), SW_HIDE);
    Trace(L"notification closed");
    if (OnClosed) OnClosed();
}

LRESULT TBHintForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kCopyLinkMessage) {
        if (onCopy_ && linkShown_) {
            // A copy of the handler: it may show another message, which
            // replaces the one held here.
            const std::function<void()> copy = onCopy_;
            copy();
        }
        return 0;
    }
    return CornerPopup::HandleMessage(msg, wp, lp);
}

void TBHintForm::RestartTimer1() {
    if (timer1Enabled_) KillTimer(hwnd(), kTimer1Id);
    timer1Enabled_ = false;
    SetTimer1Enabled(true);
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

TBHintForm* BHintForm() {
    return g_bhintForm;
}

void ShowBHint(std::u16string_view message) {
    if (g_bhintForm) {
        g_bhintForm->ShowMessage(message);
    } else {
        Trace(L"notification not shown: no window");
    }
}

}  // namespace lg::win
