// The output panel: a vertical strip beside the selection that ends the
// capture (upload, copy, save, close).
#pragma once

#include "controls/image_button.h"
#include "controls/image_control.h"
#include "output/output_panel_layout.h"
#include "platform/floating_panel.h"

namespace lg::win {

class TSetRegionForm;

class TPanelSave : public FloatingPanel {
public:
    TPanelSave();

    // Creates the window, owned by the capture window, with its buttons.
    bool CreateForm(TSetRegionForm& form);

    TImageButton btSendCloud;
    TImageButton btSaveClipbrd;
    TImageButton btSaveFile;
    TImage Image1;
    TImageButton ImageButton3;

    void btSendCloudClick();
    void btSaveClipbrdClick();
    void btSaveFileClick();
    void ImageButton3Click();

    // The control of a table entry.
    TGraphicControl& Control(OutputPanelControl id);

protected:
    void LayoutControls() override;

private:
    // The dialog was cancelled or the file could not be written: the
    // capture goes on with its panels beside the selection.
    void ResumeCapture();

    TSetRegionForm* form_ = nullptr;
};

}  // namespace lg::win
