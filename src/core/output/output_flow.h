// The output panel's decisions, apart from its window: what follows a
// copy, an upload, a save through the dialog and the upload's reply —
// when the capture closes or stays open with the user's tool, which
// notification shows, when the automatic copy is made, when the link goes
// to the browser, and the feedback step last in every path — and how the
// program ends while an upload is under way. The platform runs the
// dialogs, writes the files and shows the windows (OutputHost).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "output/picture_format.h"
#include "output/upload/screen_uploader.h"
#include "output/upload/upload_reply.h"

namespace lg {

// The editor's tool. The flow hands it from StopDrawing back to
// ResumeCapture unread, so the kinds stay the tools' own business.
enum TCurTool : std::uint8_t;

inline constexpr char16_t kCopiedMessage[] =
    u"Скриншот скопирован в буфер обмена.\r\nНажмите Ctrl+V, чтобы вставить.";
inline constexpr char16_t kCopyFailedMessage[] =
    u"Не удалось скопировать в буфер обмена.\r\nПожалуйста, попробуйте еще раз.";
inline constexpr char16_t kLinkCopiedMessage[] = u"Ссылка на скриншот в буфере обмена.";
inline constexpr char16_t kUploadFailedMessage[] =
    u"Не удалось загрузить скриншот.\r\nПожалуйста, попробуйте еще раз.";
// The picture is on the server but its link is not on the clipboard: the
// notification shows the link with a button that copies it.
inline constexpr char16_t kLinkKeptMessage[] = u"Ссылка получена, но буфер обмена занят";
inline constexpr char16_t kQuitAfterUploadMessage[] = u"Программа закроется после загрузки.";
inline constexpr char16_t kNotSentPrefix[] = u"Не отправлено скриншотов: ";

// How long "Выход" waits at most for the upload under way: it normally
// ends sooner, by itself or at its own time limits, and a second "Выход"
// ends the program at once.
inline constexpr std::uint32_t kQuitWaitMs = 30000;

// What "Выход" says: that the program waits for the upload under way, and
// how many queued pictures will not be sent; CR LF between the two.
std::u16string QuitMessage(std::size_t repliesToCome, std::size_t dropped);

// The settings an output reads, as they are when it runs.
struct OutputOptions {
    bool saveLocal = false;  // an automatic copy beside every copy and upload
    bool openUrl = false;    // an uploaded picture's link opened in the browser
};

// The file the save dialog confirmed.
struct SaveChoice {
    std::u16string fileName;  // as typed or picked
    int filterIndex = 1;      // the type selected: 1 PNG, 2 JPEG, 3 BMP
};

struct FileWriteOutcome {
    bool ok = false;
    std::uint32_t error = 0;   // the system's code when not ok
    std::u16string message{};  // the notification's text when not ok
};

class OutputHost {
public:
    virtual ~OutputHost() = default;

    virtual OutputOptions Options() const = 0;
    // The output panel is showing: the editor is on. Without it the output
    // comes straight after the selection.
    virtual bool Editing() const = 0;
    // Ends drawing for the output and answers the tool that was chosen.
    virtual TCurTool StopDrawing() = 0;

    // The selection with its annotations taken for this output (the
    // shutter sounds); false when it could not be.
    virtual bool TakePicture() = 0;
    // The picture taken on the clipboard; false when it could not be put.
    virtual bool CopyPicture() = 0;
    // The picture taken, encoded in the chosen format, handed to the
    // upload worker; false when it could not be encoded.
    virtual bool QueueUpload() = 0;
    // The automatic copy of the picture taken; its failures stay silent.
    virtual void SaveLocalCopy() = 0;

    // Hides the panels and runs the save dialog; nothing when cancelled.
    virtual std::optional<SaveChoice> AskSaveFile() = 0;
    // The picture taken (taking it first) written to `fileName`.
    virtual FileWriteOutcome WritePicture(std::u16string_view fileName, PictureFormat format) = 0;
    // The folder of a dialog save, where the next dialog opens.
    virtual void RememberSaveFolder(std::u16string_view folder) = 0;

    // The capture ends.
    virtual void CloseCapture() = 0;
    // The capture goes on with its panels beside the selection and `tool`
    // chosen again.
    virtual void ResumeCapture(TCurTool tool) = 0;
    // The capture goes on with the editor opened on the selection (an
    // output without the editor failed; its buttons are the way to retry).
    virtual void OpenEditor() = 0;

    virtual void ShowHint(std::u16string_view text) = 0;
    // The notification with `text` above `link` and a button that copies
    // the link (CopyLinkAgain), for its full time whatever an earlier
    // message left of it.
    virtual void ShowLinkHint(std::u16string_view text, std::string_view link) = 0;
    // The link as text on the clipboard; false when it could not be put.
    virtual bool CopyLinkText(std::string_view link) = 0;
    virtual void OpenLink(std::string_view link) = 0;
    // The after-output feedback step.
    virtual void Feedback() = 0;
    // A line of the trace the scenarios read.
    virtual void Trace(std::string_view line) = 0;

    // The program is asked to end: the uploads drop their queue and take
    // no new picture, while those under way go on to their replies.
    virtual FinishingUploads FinishUploads() = 0;
    // The program stays while the uploads under way finish: their progress
    // in sight, for at most kQuitWaitMs (then QuitWaitOver).
    virtual void WaitForUploads() = 0;
    // A notification shown while the program ends: its full time ahead,
    // whatever an earlier message left of it.
    virtual void ShowQuitHint(std::u16string_view text) = 0;
    // The program ends now.
    virtual void EndProgram() = 0;
    // The program ends once the notification is gone (its time is up or
    // it is closed); at once when none is showing.
    virtual void EndProgramAfterHint() = 0;
};

class OutputFlow {
public:
    explicit OutputFlow(OutputHost& host) : host_(host) {}

    void Copy();
    void Upload();
    void Save();
    // The upload's reply (empty after a failed request).
    void LinkReady(std::string_view reply);
    // The notification's button: the kept link to the clipboard again.
    void CopyLinkAgain();

    // "Выход": the program ends now, or, while an upload is under way,
    // once its link is on the clipboard. Asked again, it ends at once.
    void Quit();
    // The wait for the uploads reached kQuitWaitMs.
    void QuitWaitOver();
    bool Quitting() const { return quit_ != QuitState::kRunning; }

    // The last upload that reached the server, for a list of uploads to
    // take over; nothing before the first.
    const std::optional<UploadedPicture>& LastUpload() const { return lastUpload_; }

private:
    enum class QuitState : std::uint8_t {
        kRunning,
        kWaiting,    // for the replies of the uploads under way
        kAfterHint,  // for the notification to go
        kEnded,
    };

    // A message, with its full time ahead while the program ends.
    void Tell(std::u16string_view text);
    // A reply came while the program waits for it.
    void ReplyWhileQuitting(bool toRead);
    void End();

    // The output could not be made: the capture stays, so the picture that
    // exists nowhere else is not lost and the message's "try again" can work.
    void KeepCapture(bool editing, TCurTool tool);

    OutputHost& host_;
    std::optional<UploadedPicture> lastUpload_;
    QuitState quit_ = QuitState::kRunning;
    std::size_t repliesToCome_ = 0;
    // A message is showing that the user reads before the program ends.
    bool hintToRead_ = false;
};

}  // namespace lg
