// The output panel: a vertical strip beside the selection that ends the
// capture (upload, copy, save, close).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "controls/image_button.h"
#include "controls/image_control.h"
#include "output/output_panel_layout.h"
#include "output/send_screen.h"
#include "platform/floating_panel.h"
#include "tools/cur_tool.h"

namespace lg::win {

class TSetRegionForm;

class TPanelSave : public FloatingPanel {
public:
    TPanelSave();
    // Stops the upload worker (FormDestroy).
    ~TPanelSave() override;

    // Creates the window, owned by the capture window, with its buttons,
    // and the upload worker with LinkReady as its reply handler
    // (FormCreate). Tests hand in the worker's transport.
    bool CreateForm(TSetRegionForm& form, std::unique_ptr<UploadTransport> transport = nullptr);

    TImageButton btSendCloud;
    TImageButton btSaveClipbrd;
    TImageButton btSaveFile;
    TImage Image1;
    TImageButton ImageButton3;

    void btSendCloudClick();
    void btSaveClipbrdClick();
    void btSaveFileClick();
    void ImageButton3Click();

    // The upload's reply handler: the link on the clipboard and in the
    // browser, and the notification saying how it went.
    void LinkReady(const std::string& reply);

    // Opens an uploaded picture's link in the default browser; tests put
    // something quieter in its place.
    std::function<void(const std::wstring& link)> OpenLink;

    std::unique_ptr<TThreadSendScreen> ThreadSendScreen;

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
