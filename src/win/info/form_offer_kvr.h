// The companion offer: a picture of a screen being recorded, a headline and
// "УЗНАТЬ БОЛЬШЕ", which opens the product's page. One window for the whole
// run, made at start-up; closing it only hides it, and moves the day on
// which it may show by itself again.
#pragma once

#include "controls/image_button.h"
#include "info/info_controls.h"
#include "info/info_form.h"
#include "info/info_services.h"

namespace lg::win {

class TFormOfferKVR : public InfoForm {
public:
    static constexpr TSize kClientSize{789, 480};

    explicit TFormOfferKVR(InfoServices services);

    // FormCreate: the hidden window.
    bool CreateForm();
    // Shows it modelessly, centred on the primary monitor, unless it is
    // already showing.
    void Show();

    void ImageButton1Click();  // "УЗНАТЬ БОЛЬШЕ"
    void ImageButton2Click();  // close

    TInfoLabel lbTitle;
    TInfoLabel lbHeadline;
    TInfoLabel lbText;
    TImageButton ImageButton1;
    TImageButton ImageButton2;

protected:
    void LayoutControls() override;
    void CloseRequest() override { ImageButton2Click(); }

private:
    // Hides the window and stores the next day it may show by itself.
    void CloseUntil(bool learnedMore);

    InfoServices services_;
};

}  // namespace lg::win
