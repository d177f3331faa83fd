#include "output/panel_save.h"

#include <shellapi.h>

#include <exception>
#include <optional>
#include <string>

#include "app/after_output_feedback.h"
#include "art/button_art.h"
#include "controls/image_button_art.h"
#include "output/bhint_form.h"
#include "output/clipboard_picture.h"
#include "output/dialog_folders.h"
#include "output/file_names.h"
#include "output/folder_tree.h"
#include "output/load_form.h"
#include "output/local_clock.h"
#include "output/output_panel_layout.h"
#include "output/picture_files.h"
#include "output/save_dialog.h"
#include "output/save_dialog_rules.h"
#include "output/upload/upload_format.h"
#include "platform/clipboard_text.h"
#include "platform/trace.h"
#include "platform/u16.h"
#include "platform/window_disabled.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

// The bound of the wait for the upload when the program is asked to end.
constexpr UINT_PTR kQuitWaitTimer = 1;

ImageView32 ViewOf(const TBitmap32& b) {
    return ImageView32{b.Bits(), b.Width(), b.Height(), b.Width()};
}

void OpenInBrowser(const std::wstring& link) {
    ShellExecuteW(nullptr, L"open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

TPanelSave::TPanelSave()
    : FloatingPanel(L"TPanelSave", kOutputPanelWidth, kOutputPanelHeight),
      OpenLinkInBrowser(OpenInBrowser) {}

TPanelSave::~TPanelSave() {
    // No reply reaches a panel that is gone.
    if (ThreadSendScreen) ThreadSendScreen->OnRedyLink = nullptr;
}

bool TPanelSave::CreateForm(CaptureSession& session, TThreadSendScreen* worker) {
    session_ = &session;
    if (!CreatePanel(session.CaptureWindow())) return false;
    ThreadSendScreen = worker;
    if (ThreadSendScreen) {
        ThreadSendScreen->OnRedyLink = [this](const std::string& reply) { LinkReady(reply); };
    }
    for (const OutputPanelItem& item : kOutputPanelItems) {
        TGraphicControl& c = Control(item.id);
        c.Hint = std::u16string(item.hint);
        Controls().Add(c);
    }
    btSendCloud.OnClick = [this](TGraphicControl&) { btSendCloudClick(); };
    btSaveClipbrd.OnClick = [this](TGraphicControl&) { btSaveClipbrdClick(); };
    btSaveFile.OnClick = [this](TGraphicControl&) { btSaveFileClick(); };
    ImageButton3.OnClick = [this](TGraphicControl&) { ImageButton3Click(); };
    return true;
}

TGraphicControl& TPanelSave::Control(OutputPanelControl id) {
    TGraphicControl* controls[] = {&btSendCloud, &btSaveClipbrd, &btSaveFile, &Image1,
                                   &ImageButton3};
    return *controls[static_cast<std::size_t>(id)];
}

void TPanelSave::LayoutControls() {
    const DisplayScale& scale = Scale();
    for (const OutputPanelItem& item : kOutputPanelItems) {
        TGraphicControl& c = Control(item.id);
        const TRect r = scale.Rect(OutputPanelItemBounds(item.id));
        c.SetBounds(r.Left, r.Top, r.Width(), r.Height());
        if (item.separator) {
            Image1.Center = true;
            Image1.SetPicture(art::DrawSeparator(kOutputPanelWidth, item.height, scale));
        } else {
            SetPlainPictures(
                static_cast<TImageButton&>(c),
                art::DrawGlyphButton(item.glyph, kOutputPanelWidth, item.height, scale).plain);
        }
    }
}

void TPanelSave::btSendCloudClick() {
    if (!session_ || !ThreadSendScreen) return;
    flow_.Upload();
    picture_.reset();
}

void TPanelSave::LinkReady(const std::string& reply) {
    flow_.LinkReady(reply);
}

void TPanelSave::Quit() {
    flow_.Quit();
}

bool TPanelSave::OnTimer(UINT_PTR id) {
    if (id != kQuitWaitTimer) return false;
    KillTimer(hwnd(), kQuitWaitTimer);
    flow_.QuitWaitOver();
    return true;
}

void TPanelSave::btSaveClipbrdClick() {
    if (!session_) return;
    flow_.Copy();
    picture_.reset();
}

void TPanelSave::btSaveFileClick() {
    if (!session_) return;
    flow_.Save();
    picture_.reset();
}

// ---- OutputHost ----------------------------------------------------------

OutputOptions TPanelSave::Options() const {
    const TLGSettings& settings = LGSettings();
    return {.saveLocal = settings.SaveLocal, .openUrl = settings.OpenURL};
}

bool TPanelSave::Editing() const {
    // Without the editor the output comes straight after the selection,
    // before any panel is shown.
    return Showing();
}

TCurTool TPanelSave::StopDrawing() {
    CaptureEditor& editor = session_->Editor();
    const TCurTool tool = editor.CurTypeTool();
    editor.AddTool(ctNone);
    return tool;
}

bool TPanelSave::TakePicture() {
    try {
        TBitmap32 picture;
        if (!session_->GetBitmap(picture)) return false;
        picture_ = std::move(picture);
        return true;
    } catch (const std::exception&) {
        return false;  // no memory for the picture
    }
}

bool TPanelSave::CopyPicture() {
    return picture_ && CopyPictureToClipboard(hwnd(), ViewOf(*picture_)) == ERROR_SUCCESS;
}

bool TPanelSave::QueueUpload() {
    if (!picture_) return false;
    try {
        const int format = LGSettings().format;
        std::vector<std::uint8_t> file;
        if (EncodeForUpload(ViewOf(*picture_), format, file) != EncodeStatus::kOk) return false;
        ThreadSendScreen->SendScreen(file, UploadEncodingOf(format).tag);
        return true;
    } catch (const std::exception&) {
        return false;  // no memory for the file
    }
}

void TPanelSave::SaveLocalCopy() {
    if (!picture_) return;
    try {
        (void)lg::win::SaveLocalCopy(ViewOf(*picture_));
    } catch (const std::exception&) {
        // Silent, like every failure of the automatic copy.
    }
}

std::optional<SaveChoice> TPanelSave::AskSaveFile() {
    const TLGSettings& settings = LGSettings();
    // The automatic copies' folder is where the dialog opens when there is
    // no last folder, so it must exist; a failure shows in the dialog.
    (void)CreateFolderTree(AsWide(settings.path));
    SaveDialogRequest request;
    request.initialFolder = SaveDialogInitialFolder();
    request.filterIndex = FilterIndexOfFormat(settings.format);
    request.fileName = ScreenshotBaseName(LocalNow());
    session_->HidePanels();
    std::optional<SaveDialogChoice> choice;
    {
        // Modal for the whole capture: no drawing and no Ctrl+C behind the
        // dialog, which would end the capture it is about to save.
        const WindowDisabled disabled(session_->CaptureWindow());
        choice = RunSaveDialog(hwnd(), request);
    }
    if (!choice) return std::nullopt;
    return SaveChoice{std::move(choice->fileName), choice->filterIndex};
}

FileWriteOutcome TPanelSave::WritePicture(std::u16string_view fileName, PictureFormat format) {
    FileWriteResult written = EncodeFailed(EncodeStatus::kEmptyImage);
    try {
        if (picture_ || TakePicture()) {
            written = lg::win::WritePictureFile(ViewOf(*picture_), AsWide(fileName), format);
        }
    } catch (const std::exception&) {
        written = WriteFailed(ERROR_NOT_ENOUGH_MEMORY);
    }
    if (written.ok()) return {.ok = true};
    const std::wstring message = written.Message();
    return {.ok = false, .error = written.error, .message = std::u16string(AsU16(message))};
}

void TPanelSave::RememberSaveFolder(std::u16string_view folder) {
    SaveLastPath(folder);
}

void TPanelSave::CloseCapture() {
    session_->Editor().Close();
}

void TPanelSave::ResumeCapture(TCurTool tool) {
    // The tool the palette still shows as chosen is the one that draws.
    session_->Editor().AddTool(tool);
    session_->ShowEditorPanels();
    session_->UpdatePositionPanels();
    session_->FocusWindow();
}

void TPanelSave::OpenEditor() {
    session_->Editor().ShowSelectRegion(true, false);
}

void TPanelSave::ShowHint(std::u16string_view text) {
    ShowBHint(text);
}

void TPanelSave::ShowLinkHint(std::u16string_view text, std::string_view link) {
    if (TBHintForm* hint = BHintForm()) {
        hint->ShowLink(text, AsU16(Utf8ToWide(link)), [this] { flow_.CopyLinkAgain(); });
    }
}

bool TPanelSave::CopyLinkText(std::string_view link) {
    return WriteClipboardText(hwnd(), AsU16(Utf8ToWide(link))) == ERROR_SUCCESS;
}

void TPanelSave::OpenLink(std::string_view link) {
    if (OpenLinkInBrowser) OpenLinkInBrowser(Utf8ToWide(link));
}

void TPanelSave::Feedback() {
    AfterOutputFeedback();
}

void TPanelSave::Trace(std::string_view line) {
    lg::win::Trace(std::wstring(line.begin(), line.end()).c_str());
}

FinishingUploads TPanelSave::FinishUploads() {
    return ThreadSendScreen ? ThreadSendScreen->Finish() : FinishingUploads{};
}

void TPanelSave::WaitForUploads() {
    // The progress in sight, even after its window was closed by hand.
    if (TLoadForm* progress = LoadForm(); progress && !progress->Showing()) progress->Show();
    SetTimer(hwnd(), kQuitWaitTimer, kQuitWaitMs, nullptr);
}

void TPanelSave::ShowQuitHint(std::u16string_view text) {
    if (TBHintForm* hint = BHintForm()) hint->ShowMessageAnew(text);
}

void TPanelSave::EndProgram() {
    KillTimer(hwnd(), kQuitWaitTimer);
    if (TBHintForm* hint = BHintForm()) hint->OnClosed = nullptr;
    if (OnEndProgram) OnEndProgram();
}

void TPanelSave::EndProgramAfterHint() {
    TBHintForm* hint = BHintForm();
    if (!hint || !hint->Showing()) {
        EndProgram();
        return;
    }
    hint->OnClosed = [this] { EndProgram(); };
}

void TPanelSave::ImageButton3Click() {
    if (session_) session_->Editor().Close();
}

}  // namespace lg::win
