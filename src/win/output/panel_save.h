// The output panel: a vertical strip beside the selection that ends the
// capture (upload, copy, save, close).
#pragma once

#include "controls/image_button.h"
#include "controls/image_control.h"
#include "output/output_panel_layout.h"
#include "platform/floating_panel.h"
#include "tools/cur_tool.h"

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
    // The dialog was cancelled, or the copy or the file failed: the
    // capture goes on with its panels beside the selection and `tool`, the
    // tool the output ended, chosen again.
    void ResumeCapture(TCurTool tool);

    TSetRegionForm* form_ = nullptr;
};

}  // namespace lg::win
