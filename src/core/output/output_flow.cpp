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
    bool toRead = false;
    if (!uploaded) {
        host_.Trace("upload failed");
        Tell(kUploadFailedMessage);
        toRead = true;
    } else {
        // The picture is on the server whatever becomes of the clipboard:
        // a retry would store it twice.
        lastUpload_ = *uploaded;
        if (host_.CopyLinkText(uploaded->link)) {
            host_.Trace("upload link copied");
            // While the program ends the link is all that was waited for.
            if (quit_ == QuitState::kRunning) host_.ShowHint(kLinkCopiedMessage);
        } else {
            host_.Trace("upload link kept: clipboard busy");
            host_.ShowLinkHint(kLinkKeptMessage, uploaded->link);
            toRead = true;
        }
        // Only a web address goes to the browser: the shell would run a
        // program or open a file named by anything else.
        if (host_.Options().openUrl && IsWebLink(uploaded->link)) {
            host_.Trace("upload link opened");
            host_.OpenLink(uploaded->link);
        }
    }
    if (quit_ == QuitState::kWaiting) ReplyWhileQuitting(toRead);
}

void OutputFlow::CopyLinkAgain() {
    if (!lastUpload_ || quit_ == QuitState::kEnded) return;
    if (host_.CopyLinkText(lastUpload_->link)) {
        host_.Trace("link copied from the notification");
        Tell(kLinkCopiedMessage);
    } else {
        host_.Trace("link not copied from the notification");
        host_.ShowLinkHint(kCopyFailedMessage, lastUpload_->link);
    }
}

std::u16string QuitMessage(std::size_t repliesToCome, std::size_t dropped) {
    std::u16string text;
    if (repliesToCome > 0) text = kQuitAfterUploadMessage;
    if (dropped > 0) {
        if (!text.empty()) text += u"\r\n";
        text += kNotSentPrefix;
        for (char c : std::to_string(dropped)) text += static_cast<char16_t>(c);
        text += u'.';
    }
    return text;
}

void OutputFlow::Quit() {
    if (quit_ != QuitState::kRunning) {
        host_.Trace("quit at once");
        End();
        return;
    }
    const FinishingUploads uploads = host_.FinishUploads();
    host_.Trace("quit: " + std::to_string(uploads.repliesToCome) + " under way, " +
                std::to_string(uploads.dropped) + " not sent");
    if (uploads.repliesToCome == 0 && uploads.dropped == 0) {
        End();
        return;
    }
    quit_ = QuitState::kWaiting;
    repliesToCome_ = uploads.repliesToCome;
    // The count of pictures lost must be read before the program goes;
    // the note that it waits only answers the click.
    hintToRead_ = uploads.dropped > 0;
    if (repliesToCome_ > 0) host_.WaitForUploads();
    host_.ShowQuitHint(QuitMessage(uploads.repliesToCome, uploads.dropped));
    if (repliesToCome_ == 0) {
        quit_ = QuitState::kAfterHint;
        host_.EndProgramAfterHint();
    }
}

void OutputFlow::QuitWaitOver() {
    if (quit_ != QuitState::kWaiting) return;
    host_.Trace("quit: the wait for the upload is over");
    End();
}

void OutputFlow::Tell(std::u16string_view text) {
    if (quit_ == QuitState::kRunning) {
        host_.ShowHint(text);
    } else {
        host_.ShowQuitHint(text);
    }
}

void OutputFlow::ReplyWhileQuitting(bool toRead) {
    hintToRead_ = hintToRead_ || toRead;
    if (repliesToCome_ > 0) --repliesToCome_;
    if (repliesToCome_ > 0) return;
    if (hintToRead_) {
        quit_ = QuitState::kAfterHint;
        host_.EndProgramAfterHint();
    } else {
        End();
    }
}

void OutputFlow::End() {
    quit_ = QuitState::kEnded;
    host_.EndProgram();
}

}  // namespace lg
