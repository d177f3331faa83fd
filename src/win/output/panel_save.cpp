#include "output/panel_save.h"

#include "capture/set_region_form.h"
#include "output/clipboard_picture.h"
#include "platform/trace.h"

namespace lg::win {

TPanelSave::TPanelSave() : FloatingPanel(L"TPanelSave", 38, 157) {}

bool TPanelSave::CreateForm(TSetRegionForm& form) {
    form_ = &form;
    if (!CreatePanel(form.hwnd())) return false;
    struct Row {
        TGraphicControl* control;
        int height;
    };
    int top = 0;
    const Row rows[] = {{&btSendCloud, 33}, {&btSaveClipbrd, 38}, {&btSaveFile, 38},
                        {&Image1, 10},      {&ImageButton3, 38}};
    for (const Row& r : rows) {
        r.control->SetBounds(0, top, 38, r.height);
        top += r.height;
        Controls().Add(*r.control);
    }
    btSendCloud.OnClick = [this](TGraphicControl&) { btSendCloudClick(); };
    btSaveClipbrd.OnClick = [this](TGraphicControl&) { btSaveClipbrdClick(); };
    btSaveFile.OnClick = [this](TGraphicControl&) { btSaveFileClick(); };
    ImageButton3.OnClick = [this](TGraphicControl&) { ImageButton3Click(); };
    return true;
}

void TPanelSave::btSendCloudClick() {
    // The upload comes with the image server; until then it copies.
    btSaveClipbrdClick();
}

void TPanelSave::btSaveClipbrdClick() {
    CaptureEditor& editor = form_->Editor();
    editor.AddTool(ctNone);
    TBitmap32 picture;
    DWORD result = ERROR_INVALID_DATA;
    if (form_->GetBitmap(picture)) {
        ImageView32 view{picture.Bits(), picture.Width(), picture.Height(), picture.Width()};
        result = CopyPictureToClipboard(hwnd(), view);
    }
    editor.Close();
    Trace(result == ERROR_SUCCESS ? L"copied to the clipboard" : L"copy failed");
}

void TPanelSave::btSaveFileClick() {}

void TPanelSave::ImageButton3Click() {
    form_->Editor().Close();
}

}  // namespace lg::win
