// The new-version notice: the update list named a newer version; the user
// updates ("ОБНОВИТЬ", modal result 1) or closes it (2).
#pragma once

#include "controls/image_button.h"
#include "controls/image_control.h"
#include "info/info_controls.h"
#include "info/info_form.h"

namespace lg::win {

class TNewVersionForm : public InfoForm {
public:
    static constexpr TSize kClientSize{526, 258};

    TNewVersionForm();

    // FormCreate: the window, centred on the screen under the pointer; hidden until ShowModal.
    bool CreateForm();
    // Shows it and returns its modal result.
    int ShowModal(HWND owner);

    void ImageButton1Click();  // close
    void ImageButton5Click();  // "ОБНОВИТЬ"

    TInfoLabel Label4;  // the title
    TImageButton ImageButton1;
    TImage Image2;
    TInfoLabel Label1;
    TInfoLabel Label3;  // the program and its version
    TImageButton ImageButton5;

protected:
    void LayoutControls() override;
    void CloseRequest() override { ImageButton1Click(); }
};

}  // namespace lg::win
