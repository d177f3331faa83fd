// The width picker: a small shaped window with a slider from 1 to 8 that
// sets the pen width of every tool and closes as soon as a width is chosen.
#pragma once

#include <cstdint>
#include <functional>

#include "controls/image_control.h"
#include "controls/posbar.h"
#include "tools/picker_layout.h"
#include "tools/shaped_picker.h"

namespace lg::win {

class TWidthForm : public ShapedPicker {
public:
    TWidthForm();

    // Creates the hidden window, owned by the capture window (FormCreate).
    bool CreateForm(HWND owner);

    TPosbar Posbar1;
    TImage Image2;  // the thin end
    TImage Image3;  // the thick end

    void FormShow() override;
    // The slider's drag or click ended: the width is chosen.
    void Posbar1ChangePosEnd(std::int64_t newPosition);

    // A width was chosen and the picker closed: the owner hands the
    // keyboard back to the capture window.
    std::function<void()> OnWidthChosen;

    TGraphicControl& Control(WidthPickerControl id);

protected:
    TBitmap32 DrawBackground(DisplayScale scale) const override;
    TColor32 CutOutColor(const TBitmap32& upright) const override;
    void DrawControls() override;
    void PlaceControls(bool flip) override;
};

}  // namespace lg::win
