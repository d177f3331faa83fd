#include "output/panel_save.h"

#include <shellapi.h>

#include <exception>
#include <optional>
#include <string>

#include "app/after_output_feedback.h"
#include "art/button_art.h"
#include "capture/set_region_form.h"
#include "controls/image_button_art.h"
#include "output/bhint_form.h"
#include "output/clipboard_picture.h"
#include "output/dialog_folders.h"
#include "output/file_names.h"
#include "output/folder_tree.h"
#include "output/local_clock.h"
#include "output/output_panel_layout.h"
#include "output/picture_files.h"
#include "output/save_dialog.h"
#include "output/save_dialog_rules.h"
#include "output/upload/upload_format.h"
#include "output/upload/upload_reply.h"
#include "platform/clipboard_text.h"
#include "platform/trace.h"
#include "platform/u16.h"
#include "platform/window_disabled.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

constexpr char16_t kCopiedMessage[] =
    u"Скриншот скопирован в буфер обмена.\r\nНажмите Ctrl+V, чтобы вставить.";
constexpr char16_t kCopyFailedMessage[] =
    u"Не удалось скопировать в буфер обмена.\r\nПожалуйста, попробуйте еще раз.";
constexpr char16_t kLinkCopiedMessage[] = u"Ссылка на скриншот в буфере обмена.";
constexpr char16_t kUploadFailedMessage[] =
    u"Не удалось загрузить скриншот.\r\nПожалуйста, попробуйте еще раз.";

ImageView32 ViewOf(const TBitmap32& b) {
    return ImageView32{b.Bits(), b.Width(), b.Height(), b.Width()};
}

// The picture on the clipboard and, with SaveLocal on, the automatic copy
// beside it. False when the picture could not be taken or placed.
bool CopyToClipboard(TSetRegionForm& form, HWND owner) {
    TBitmap32 picture;
    if (!form.GetBitmap(picture)) return false;
    const ImageView32 view = ViewOf(picture);
    if (CopyPictureToClipboard(owner, view) != ERROR_SUCCESS) return false;
    // Whatever becomes of the automatic copy, the clipboard holds the
    // picture: its failures stay silent.
    SaveLocalCopy(view);
    return true;
}

// The picture encoded for the upload and handed to the worker, and the
// automatic copy beside it. False when the picture could not be taken or
// encoded.
bool QueueUpload(TSetRegionForm& form, TThreadSendScreen& worker) {
    TBitmap32 picture;
    if (!form.GetBitmap(picture)) return false;
    const ImageView32 view = ViewOf(picture);
    const int format = LGSettings().format;
    std::vector<std::uint8_t> file;
    if (EncodeForUpload(view, format, file) != EncodeStatus::kOk) return false;
    worker.SendScreen(file, UploadEncodingOf(format).tag);
    SaveLocalCopy(view);
    return true;
}

void OpenInBrowser(const std::wstring& link) {
    ShellExecuteW(nullptr, L"open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

TPanelSave::TPanelSave()
    : FloatingPanel(L"TPanelSave", kOutputPanelWidth, kOutputPanelHeight),
      OpenLink(OpenInBrowser) {}

TPanelSave::~TPanelSave() {
    // The worker goes before the window its replies reach.
    if (ThreadSendScreen) ThreadSendScreen->Stop();
    ThreadSendScreen.reset();
}

bool TPanelSave::CreateForm(TSetRegionForm& form, std::unique_ptr<UploadTransport> transport) {
    form_ = &form;
    if (!CreatePanel(form.hwnd())) return false;
    ThreadSendScreen = std::make_unique<TThreadSendScreen>(std::move(transport));
    ThreadSendScreen->OnRedyLink = [this](const std::string& reply) { LinkReady(reply); };
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
    if (!form_ || !ThreadSendScreen) return;
    CaptureEditor& editor = form_->Editor();
    // With the editor switched off the upload comes straight after the
    // selection, before any panel is shown.
    const bool editing = Showing();
    const TCurTool tool = editor.CurTypeTool();
    editor.AddTool(ctNone);
    bool queued = false;
    try {
        queued = QueueUpload(*form_, *ThreadSendScreen);
    } catch (const std::exception&) {
        // No memory for the picture or its file: reported like a failed
        // upload.
    }
    if (queued) {
        // The result comes with the server's reply (LinkReady).
        editor.Close();
    } else {
        // Nothing left the machine and the picture exists only in the
        // capture: keep it open to try again, as the copy does.
        Trace(L"upload failed: picture not encoded");
        if (editing) {
            ResumeCapture(tool);
        } else {
            editor.ShowSelectRegion(true, false);
        }
        ShowBHint(kUploadFailedMessage);
    }
    AfterOutputFeedback();
}

void TPanelSave::LinkReady(const std::string& reply) {
    const std::optional<std::string> link = ReadUploadLink(reply);
    if (!link) {
        Trace(L"upload failed");
        ShowBHint(kUploadFailedMessage);
        return;
    }
    const std::wstring text = Utf8ToWide(*link);
    if (WriteClipboardText(hwnd(), AsU16(text)) != ERROR_SUCCESS) {
        // The link is lost with the clipboard: a new upload is the way to
        // another.
        Trace(L"upload failed: link not copied");
        ShowBHint(kUploadFailedMessage);
        return;
    }
    Trace(L"upload link copied");
    ShowBHint(kLinkCopiedMessage);
    // Only a web address goes to the browser: the shell would run a
    // program or open a file named by anything else.
    if (LGSettings().OpenURL && IsWebLink(*link) && OpenLink) {
        Trace(L"upload link opened");
        OpenLink(text);
    }
}

void TPanelSave::btSaveClipbrdClick() {
    if (!form_) return;
    CaptureEditor& editor = form_->Editor();
    // With the editor switched off the copy comes straight after the
    // selection, before any panel is shown.
    const bool editing = Showing();
    const TCurTool tool = editor.CurTypeTool();
    editor.AddTool(ctNone);
    bool copied = false;
    try {
        copied = CopyToClipboard(*form_, hwnd());
    } catch (const std::exception&) {
        // No memory for the picture: reported like any failed copy.
    }
    if (copied) {
        Trace(L"copied to the clipboard");
        editor.Close();
        ShowBHint(kCopiedMessage);
    } else {
        // The picture exists only in the capture, and the message asks to
        // try again: keep it open, with the tool the user had, so that can
        // work. Without the editor, open it: its buttons are the way to.
        Trace(L"copy failed");
        if (editing) {
            ResumeCapture(tool);
        } else {
            editor.ShowSelectRegion(true, false);
        }
        ShowBHint(kCopyFailedMessage);
    }
    AfterOutputFeedback();
}

void TPanelSave::btSaveFileClick() {
    if (!form_) return;
    CaptureEditor& editor = form_->Editor();
    const TCurTool tool = editor.CurTypeTool();
    editor.AddTool(ctNone);
    const TLGSettings& settings = LGSettings();
    // The automatic copies' folder is where the dialog opens when there is
    // no last folder, so it must exist; a failure shows in the dialog.
    (void)CreateFolderTree(AsWide(settings.path));

    SaveDialogRequest request;
    request.initialFolder = SaveDialogInitialFolder();
    request.filterIndex = FilterIndexOfFormat(settings.format);
    request.fileName = ScreenshotBaseName(LocalNow());

    form_->HidePanels();
    Trace(L"save dialog opened");
    std::optional<SaveDialogChoice> choice;
    {
        // Modal for the whole capture: no drawing and no Ctrl+C behind the
        // dialog, which would end the capture it is about to save.
        const WindowDisabled disabled(form_->hwnd());
        choice = RunSaveDialog(hwnd(), request);
    }
    if (!choice) {
        Trace(L"save dialog cancelled");
        ResumeCapture(tool);
        AfterOutputFeedback();
        return;
    }

    const std::u16string fileName = FinalSaveName(choice->fileName, choice->filterIndex);
    FileWriteResult written = EncodeFailed(EncodeStatus::kEmptyImage);
    try {
        TBitmap32 picture;
        if (form_->GetBitmap(picture)) {
            written = WritePictureFile(ViewOf(picture), AsWide(fileName),
                                       FormatOfFilterIndex(choice->filterIndex));
        }
    } catch (const std::exception&) {
        written = WriteFailed(ERROR_NOT_ENOUGH_MEMORY);
    }
    if (!written.ok()) {
        // The picture exists only in the capture: keep it open and say why
        // the file is not there, rather than lose it without a word.
        Trace((L"save failed: " + std::to_wstring(written.error)).c_str());
        ResumeCapture(tool);
        ShowBHint(AsU16(written.Message()));
        AfterOutputFeedback();
        return;
    }
    Trace(L"saved to a file");
    editor.Close();
    SaveLastPath(FolderPart(fileName));
    AfterOutputFeedback();
}

void TPanelSave::ResumeCapture(TCurTool tool) {
    // The tool the palette still shows as chosen is the one that draws.
    form_->Editor().AddTool(tool);
    form_->ShowEditorPanels();
    form_->UpdatePositionPanels();
    form_->FocusWindow();
}

void TPanelSave::ImageButton3Click() {
    if (form_) form_->Editor().Close();
}

}  // namespace lg::win
