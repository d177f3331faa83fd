// The font picker: a small shaped window beside the palette, shown while
// the text tool is active, that sets the text tool's font family, size and
// style. The text tool reads them at its next redraw.
#pragma once

#include <functional>

#include "controls/combo_list_window.h"
#include "controls/image_button.h"
#include "controls/vey_combo_box.h"
#include "tools/picker_layout.h"
#include "tools/shaped_picker.h"

namespace lg::win {

class TFontForm : public ShapedPicker {
public:
    TFontForm();

    // Creates the hidden window, owned by the capture window (FormCreate);
    // the family box is filled when the picker first shows.
    bool CreateForm(HWND owner);

    TImageButton btBold, btItalic, btUnderline, btStrike;
    TVEYComboBox VEYComboBox1;  // the family
    TVEYComboBox VEYComboBox2;  // the size, 8 to 20

    void FormShow() override;
    void VEYComboBox1Click();
    void VEYComboBox2Click();
    void btBoldClick() { ToggleStyle(btBold, fsBold); }
    void btItalicClick() { ToggleStyle(btItalic, fsItalic); }
    void btUnderlineClick() { ToggleStyle(btUnderline, fsUnderline); }
    void btStrikeClick() { ToggleStyle(btStrike, fsStrikeOut); }

    // After every change: the owner gives the capture window the keyboard,
    // so typing goes on in the text box.
    std::function<void()> OnChange;

    TGraphicControl& Control(FontPickerControl id);

protected:
    TBitmap32 DrawBackground(DisplayScale scale) const override;
    TColor32 CutOutColor(const TBitmap32& upright) const override;
    void DrawControls() override;
    void PlaceControls(bool flip) override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void ToggleStyle(TImageButton& button, TFontStyle style);
    void SetUpComboBox(TVEYComboBox& box);
    void Changed();

    ComboListWindow list1_{VEYComboBox1};
    ComboListWindow list2_{VEYComboBox2};
};

}  // namespace lg::win
