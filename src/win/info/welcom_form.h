// The welcome window of the installer's first start: opens the welcome page
// when shown, then offers the first capture ("Сделать скриншот", modal
// result 1) or to close (2).
#pragma once

#include "controls/image_button.h"
#include "controls/image_control.h"
#include "info/info_controls.h"
#include "info/info_form.h"
#include "info/info_services.h"

namespace lg::win {

class TWelcomForm : public InfoForm {
public:
    static constexpr TSize kClientSize{576, 371};
    // How long the window waits after opening the welcome page, so the
    // browser comes up first and the window lands in front of it.
    static constexpr UINT kShowWait = 2000;

    explicit TWelcomForm(InfoServices services, UINT showWait = kShowWait);

    // FormCreate: the window, centred on the screen under the pointer; hidden until ShowModal.
    bool CreateForm();
    // Shows it (FormShow) and returns its modal result.
    int ShowModal(HWND owner);

    // Opens the welcome page and holds the buttons for the wait; the window
    // keeps painting meanwhile.
    void FormShow();
    // The wait after FormShow is over: the buttons answer.
    bool Ready() const { return ready_; }

    void ImageButton1Click();  // close
    void ImageButton2Click();  // "Сделать скриншот"
    void ImageButton3Click();  // the page about taking screenshots

    TInfoLabel lbTitle;
    TImageButton ImageButton1;
    TImage Image2;  // the program's icon
    TInfoLabel lbHeading, lbText;
    TImageButton ImageButton2;
    TImageButton ImageButton3;  // the link

protected:
    void LayoutControls() override;
    void CloseRequest() override;
    bool OnTimer(UINT_PTR id) override;

private:
    void SetReady(bool ready);

    InfoServices services_;
    UINT showWait_;
    bool ready_ = false;
};

}  // namespace lg::win
