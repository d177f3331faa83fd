#include "output/bhint_form.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "app/app_icon.h"
#include "art/art_colors.h"
#include "art/button_art.h"
#include "controls/image_button_art.h"
#include "platform/display_dpi.h"
#include "platform/trace.h"
#include "raster/shapes.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TBHintForm";
constexpr UINT_PTR kTimer1Id = 1;
constexpr int kMargin96 = 10;  // from the work area's bottom-right corner

// The controls in the 96-DPI form, and the pixel heights of its fonts.
constexpr TRect kIconBounds{20, 20, 55, 55};
constexpr TRect kCaptionBounds{69, 22, 369, 42};
constexpr TRect kTextBounds{69, 41, 379, 96};
constexpr TRect kCloseBounds{375, 5, 395, 25};
constexpr int kCaptionFontHeight = 15;
constexpr int kTextFontHeight = 13;

// The panels' surface with the outline of the notification and progress
// windows (pressed fill of the button family).
constexpr TColor32 kSurface = art::kPanelSurface;
constexpr TColor32 kOutline = art::kPressedFill;
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

POINT NotificationPosition(const RECT& workArea, int width, int height, DisplayScale scale) {
    const int margin = scale.Px(kMargin96);
    return POINT{workArea.right - width - margin, workArea.bottom - height - margin};
}

RECT PrimaryWorkArea() {
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi)) {
        return mi.rcWork;
    }
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

void PlaceInNotificationCorner(HWND hwnd, int width, int height, DisplayScale scale, bool show) {
    const POINT at = NotificationPosition(PrimaryWorkArea(), width, height, scale);
    if (show) {
        SetWindowPos(hwnd, HWND_TOPMOST, at.x, at.y, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else {
        SetWindowPos(hwnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

TBHintForm::TBHintForm(UINT timer1Interval) : timer1Interval_(timer1Interval), controls_(kSurface) {
    lbCaption.SetCaption(kProgramDisplayName);
    lbText.SetWordWrap(true);
    ImageButton1.Cursor = crHandPoint;
    ImageButton1.OnClick = [this](TGraphicControl&) { Close(); };
    LayoutControls();

    controls_.OnPaintBackground = [this](TBitmap32& surface) {
        FillFrame(surface, surface.BoundsRect(), scale_.Px(1), kOutline);
    };
}

void TBHintForm::LayoutControls() {
    auto place = [this](TGraphicControl& c, const TRect& r96) {
        const TRect r = scale_.Rect(r96);
        c.SetBounds(r.Left, r.Top, r.Width(), r.Height());
    };
    place(Image1, kIconBounds);
    Image1.SetPicture(AppIconPicture(scale_.Px(kIconBounds.Width())));
    place(lbCaption, kCaptionBounds);
    lbCaption.Font = NotificationFont(scale_.Px(kCaptionFontHeight), fsBold);
    place(lbText, kTextBounds);
    lbText.Font = NotificationFont(scale_.Px(kTextFontHeight), 0);
    place(ImageButton1, kCloseBounds);
    SetPlainPictures(ImageButton1,
                     art::DrawGlyphButton(art::Glyph::CloseSmall, kCloseBounds.Width(),
                                          kCloseBounds.Height(), scale_)
                         .plain);
}

void TBHintForm::SetScale(DisplayScale scale) {
    if (scale == scale_) return;
    scale_ = scale;
    LayoutControls();
    if (!hwnd()) return;
    SetWindowPos(hwnd(), nullptr, 0, 0, ClientWidth(), ClientHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.UpdateHints();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

TBHintForm::~TBHintForm() {
    if (g_bhintForm == this) g_bhintForm = nullptr;
    if (hwnd() && timer1Enabled_) KillTimer(hwnd(), kTimer1Id);
}

bool TBHintForm::CreateForm(HWND owner) {
    if (!RegisterClassOnce(kClassName)) return false;
    // A topmost tool-window pop-up, owned by the program's hidden main
    // window: no taskbar button anywhere (some window managers give an
    // unowned window one whatever its style), and an owner that is never
    // minimised never hides it.
    if (!Create(TopmostToolWindow(kClassName, L"ЛюмиГРАБ", WS_POPUP, kClientWidth, kClientHeight,
                                  owner)))
        return false;
    controls_.Attach(hwnd());
    for (TGraphicControl* c :
         std::initializer_list<TGraphicControl*>{&Image1, &lbCaption, &lbText, &ImageButton1}) {
        controls_.Add(*c);
    }
    SetScale(ScaleOfPrimaryMonitor());
    PlaceOnWorkArea();
    g_bhintForm = this;
    return true;
}

void TBHintForm::PlaceOnWorkArea() {
    PlaceInNotificationCorner(hwnd(), ClientWidth(), ClientHeight(), scale_, false);
}

void TBHintForm::ShowMessage(std::u16string_view message) {
    if (!hwnd()) return;
    if (Showing()) Close();
    lbText.SetCaption(message);
    // At the primary monitor's scale, on top of the topmost windows, where
    // the work area is now (the taskbar may have moved), without taking the
    // focus.
    SetScale(ScaleOfPrimaryMonitor());
    PlaceInNotificationCorner(hwnd(), ClientWidth(), ClientHeight(), scale_, true);
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

LRESULT TBHintForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_MOUSEACTIVATE:
            // Clicking the close button leaves the focus where it was.
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

void ShowBHint(std::u16string_view message) {
    if (g_bhintForm) {
        g_bhintForm->ShowMessage(message);
    } else {
        Trace(L"notification not shown: no window");
    }
}

}  // namespace lg::win
