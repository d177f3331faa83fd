// The about window: the program's icon, name and version, a link to the
// vendor's home page. Modeless, one at a time; closing it ends it.
#pragma once

#include <functional>

#include "controls/image_button.h"
#include "controls/image_control.h"
#include "info/info_controls.h"
#include "info/info_form.h"
#include "info/info_services.h"

namespace lg::win {

class TAboutForm : public InfoForm {
public:
    static constexpr TSize kClientSize{576, 371};

    explicit TAboutForm(InfoServices services);

    // FormCreate: the window, centred on the screen under the pointer; hidden until Show.
    bool CreateForm();
    // Shows it without waiting (modeless) and brings it to the front.
    void Show();

    void ImageButton1Click();  // close
    void ImageButton3Click();  // the home page
    void ImageButton4Click();  // "ЗАКРЫТЬ"
    // FormClose: hides the window and tells OnClosed, whose owner frees it.
    void FormClose();
    std::function<void()> OnClosed;

    TInfoLabel Label4;  // the title
    TImageButton ImageButton1;
    TImage Image2;  // the program's icon
    TInfoLabel Label1, Label2, Label3;
    TImageButton ImageButton3;  // the link
    TImageButton ImageButton4;  // "ЗАКРЫТЬ"

protected:
    void LayoutControls() override;
    void CloseRequest() override { ImageButton1Click(); }

private:
    InfoServices services_;
};

}  // namespace lg::win
