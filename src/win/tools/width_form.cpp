#include "tools/width_form.h"

#include "art/picker_art.h"
#include "art/picker_icons.h"
#include "controls/posbar_art.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

constexpr int kMinWidth = 1;
constexpr int kMaxWidth = 8;
// The slider's bar thickness, 96-DPI pixels.
constexpr int kBarSize = 6;
constexpr TColor32 kBarBack = Color32(57, 75, 102);
constexpr TColor32 kBarFore = Color32(229, 229, 229);

}  // namespace

TWidthForm::TWidthForm() : ShapedPicker(L"TWidthForm", art::kWidthPickerSize) {
    Posbar1.SetMin(kMinWidth);
    Posbar1.SetMax(kMaxWidth);
    Posbar1.Style = pbsGauge;
    Posbar1.SetBackColor(kBarBack);
    Posbar1.SetForeColor(kBarFore);
    Posbar1.SetBorderColor(Color32(GetRValue(GetSysColor(COLOR_BTNFACE)),
                                   GetGValue(GetSysColor(COLOR_BTNFACE)),
                                   GetBValue(GetSysColor(COLOR_BTNFACE))));
    Posbar1.OnChangePosEnd = [this](TPosbar&, TMovingState, std::int64_t position) {
        Posbar1ChangePosEnd(position);
    };
    Posbar1.Cursor = crHandPoint;
}

TGraphicControl& TWidthForm::Control(WidthPickerControl id) {
    switch (id) {
        case WidthPickerControl::Posbar1:
            return Posbar1;
        case WidthPickerControl::Image2:
            return Image2;
        case WidthPickerControl::Image3:
            break;
    }
    return Image3;
}

bool TWidthForm::CreateForm(HWND owner) {
    for (const auto& item : kWidthPickerItems) Controls().Add(Control(item.id));
    return CreatePicker(owner);
}

TBitmap32 TWidthForm::DrawBackground(DisplayScale scale) const {
    return art::DrawWidthPickerBackground(scale);
}

TColor32 TWidthForm::CutOutColor(const TBitmap32&) const {
    return art::kWidthPickerCutOut;  // every other pixel is the window
}

void TWidthForm::DrawControls() {
    const DisplayScale& scale = Scale();
    Posbar1.SetScale(scale);
    Posbar1.SetSize(kBarSize);
    Image2.SetPicture(art::DrawWidthIcon(false, scale));
    Image3.SetPicture(art::DrawWidthIcon(true, scale));
    // The thumb sets the slider's height: it is as high as the slider.
    Posbar1.SetThumbImage(PosbarThumbPicture(scale));
}

void TWidthForm::PlaceControls(bool flip) {
    for (const auto& item : kWidthPickerItems) {
        const TRect r = Scale().Rect(item.Bounds(flip));
        Control(item.id).SetBounds(r.Left, r.Top, r.Width(), r.Height());
    }
}

void TWidthForm::FormShow() {
    Posbar1.SetPosition(LGSettings().penwidth);
}

void TWidthForm::Posbar1ChangePosEnd(std::int64_t newPosition) {
    // The next figure reads the width as it draws.
    LGSettings().penwidth = static_cast<int>(newPosition);
    HidePanel();
    if (OnWidthChosen) OnWidthChosen();
}

}  // namespace lg::win
