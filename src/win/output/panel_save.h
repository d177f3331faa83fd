// The output panel: a vertical strip beside the selection that ends the
// capture (upload, copy, save, close).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "capture/capture_session.h"
#include "controls/floating_panel.h"
#include "controls/image_button.h"
#include "controls/image_control.h"
#include "output/output_flow.h"
#include "output/output_panel_layout.h"
#include "output/send_screen.h"
#include "raster/bitmap32.h"
#include "tools/cur_tool.h"

namespace lg::win {

// The decisions are the flow's (OutputFlow); this window runs the dialogs,
// writes the files and shows the windows it asks for.
class TPanelSave : public FloatingPanel, public CaptureOutputPanel, private OutputHost {
public:
    TPanelSave();
    // Lets go of the upload worker's replies; the worker itself is the
    // application's, which stops it.
    ~TPanelSave() override;

    // Creates the window, owned by the capture window, with its buttons,
    // and binds the upload worker's replies to LinkReady (FormCreate).
    // Without a worker the upload does nothing.
    bool CreateForm(CaptureSession& session, TThreadSendScreen* worker = nullptr);

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

    // "Выход": the program ends through OnEndProgram, now or once the
    // upload under way has put its link on the clipboard; asked again, at
    // once.
    void Quit();
    bool Quitting() const { return flow_.Quitting(); }
    std::function<void()> OnEndProgram;

    // The last upload that reached the server.
    const std::optional<UploadedPicture>& LastUpload() const { return flow_.LastUpload(); }

    // Opens an uploaded picture's link in the default browser; tests put
    // something quieter in its place.
    std::function<void(const std::wstring& link)> OpenLinkInBrowser;

    // The application's upload worker.
    TThreadSendScreen* ThreadSendScreen = nullptr;

    // CaptureOutputPanel
    FloatingPanel& Panel() override { return *this; }
    void Upload() override { btSendCloudClick(); }
    void Copy() override { btSaveClipbrdClick(); }

    // The control of a table entry.
    TGraphicControl& Control(OutputPanelControl id);

protected:
    void LayoutControls() override;
    bool OnTimer(UINT_PTR id) override;

private:
    // OutputHost
    OutputOptions Options() const override;
    bool Editing() const override;
    TCurTool StopDrawing() override;
    bool TakePicture() override;
    bool CopyPicture() override;
    bool QueueUpload() override;
    void SaveLocalCopy() override;
    std::optional<SaveChoice> AskSaveFile() override;
    FileWriteOutcome WritePicture(std::u16string_view fileName, PictureFormat format) override;
    void RememberSaveFolder(std::u16string_view folder) override;
    void CloseCapture() override;
    void ResumeCapture(TCurTool tool) override;
    void OpenEditor() override;
    void ShowHint(std::u16string_view text) override;
    void ShowLinkHint(std::u16string_view text, std::string_view link) override;
    bool CopyLinkText(std::string_view link) override;
    void OpenLink(std::string_view link) override;
    void Feedback() override;
    void Trace(std::string_view line) override;
    FinishingUploads FinishUploads() override;
    void WaitForUploads() override;
    void ShowQuitHint(std::u16string_view text) override;
    void EndProgram() override;
    void EndProgramAfterHint() override;

    CaptureSession* session_ = nullptr;
    OutputFlow flow_{*this};
    // The picture of the output under way, taken once and let go when it
    // ends.
    std::optional<TBitmap32> picture_;
};

}  // namespace lg::win
