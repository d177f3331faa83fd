#include "output/output_flow.h"

#include <string>

#include "output/save_dialog_rules.h"
#include "output/upload/upload_reply.h"

namespace lg {

void OutputFlow::KeepCapture(bool editing, TCurTool tool) {
    if (editing) {
        host_.ResumeCapture(tool);
    } else {
        host_.OpenEditor();
    }
}

void OutputFlow::Copy() {
    const bool editing = host_.Editing();
    const TCurTool tool = host_.StopDrawing();
    if (host_.TakePicture() && host_.CopyPicture()) {
        // Whatever becomes of the automatic copy, the clipboard holds the
        // picture.
        if (host_.Options().saveLocal) host_.SaveLocalCopy();
        host_.Trace("copied to the clipboard");
        host_.CloseCapture();
        host_.ShowHint(kCopiedMessage);
    } else {
        host_.Trace("copy failed");
        KeepCapture(editing, tool);
        host_.ShowHint(kCopyFailedMessage);
    }
    host_.Feedback();
}

void OutputFlow::Upload() {
    const bool editing = host_.Editing();
    const TCurTool tool = host_.StopDrawing();
    if (host_.TakePicture() && host_.QueueUpload()) {
        if (host_.Options().saveLocal) host_.SaveLocalCopy();
        // The result comes with the server's reply (LinkReady).
        host_.CloseCapture();
    } else {
        // Nothing left the machine.
        host_.Trace("upload failed: picture not encoded");
        KeepCapture(editing, tool);
        host_.ShowHint(kUploadFailedMessage);
    }
    host_.Feedback();
}

void OutputFlow::Save() {
    const TCurTool tool = host_.StopDrawing();
    host_.Trace("save dialog opened");
    const std::optional<SaveChoice> choice = host_.AskSaveFile();
    if (!choice) {
        host_.Trace("save dialog cancelled");
        host_.ResumeCapture(tool);
        host_.Feedback();
        return;
    }
    const std::u16string fileName = FinalSaveName(choice->fileName, choice->filterIndex);
    const FileWriteOutcome written =
        host_.WritePicture(fileName, FormatOfFilterIndex(choice->filterIndex));
    if (!written.ok) {
        // Say why the file is not there rather than lose the picture
        // without a word.
        host_.Trace("save failed: " + std::to_string(written.error));
        host_.ResumeCapture(tool);
        host_.ShowHint(written.message);
        host_.Feedback();
        return;
    }
    host_.Trace("saved to a file");
    host_.CloseCapture();
    host_.RememberSaveFolder(FolderPart(fileName));
    host_.Feedback();
}

void OutputFlow::LinkReady(std::string_view reply) {
    const std::optional<UploadedPicture> uploaded = ReadUploadReply(reply);
    if (!uploaded) {
        host_.Trace("upload failed");
        host_.ShowHint(kUploadFailedMessage);
        return;
    }
    // The picture is on the server whatever becomes of the clipboard: a
    // retry would store it twice.
    lastUpload_ = *uploaded;
    if (host_.CopyLinkText(uploaded->link)) {
        host_.Trace("upload link copied");
        host_.ShowHint(kLinkCopiedMessage);
    } else {
        host_.Trace("upload link kept: clipboard busy");
        host_.ShowLinkHint(kLinkKeptMessage, uploaded->link);
    }
    // Only a web address goes to the browser: the shell would run a
    // program or open a file named by anything else.
    if (host_.Options().openUrl && IsWebLink(uploaded->link)) {
        host_.Trace("upload link opened");
        host_.OpenLink(uploaded->link);
    }
}

void OutputFlow::CopyLinkAgain() {
    if (!lastUpload_) return;
    if (host_.CopyLinkText(lastUpload_->link)) {
        host_.Trace("link copied from the notification");
        host_.ShowHint(kLinkCopiedMessage);
    } else {
        host_.Trace("link not copied from the notification");
        host_.ShowLinkHint(kCopyFailedMessage, lastUpload_->link);
    }
}

}  // namespace lg
