#include "tools/panel_tools.h"

#include <commdlg.h>

#include <string>

#include "art/button_art.h"
#include "capture/color_dialog_placement.h"
#include "capture/panel_placement.h"
#include "controls/image_button_art.h"
#include "platform/trace.h"
#include "platform/window_disabled.h"
#include "settings/settings.h"
#include "tools/picker_placement.h"

namespace lg::win {
namespace {

// The colour dialog's custom colours, kept for the whole session.
COLORREF g_customColors[16] = {};

TRect ToTRect(const RECT& r) {
    return TRect{r.left, r.top, r.right, r.bottom};
}

// What the colour dialog's hook needs, carried by its request.
struct ColorDialogRequest {
    RECT palette{};
    DisplayScale scale;  // the palette's
    WindowDisabled* capture = nullptr;
};

// Places the colour dialog by the palette's rectangle (on the palette's
// monitor, PlaceColorDialog), above the full-screen topmost capture window.
// As the dialog ends, the capture window is enabled again first: an ending
// dialog hands the activation to the first enabled window, which should be
// the capture rather than another program's window.
UINT_PTR CALLBACK ColorDialogHook(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    // One dialog at a time (it is modal); the request lives until it ends.
    static ColorDialogRequest* request = nullptr;
    if (msg == WM_DESTROY) request = nullptr;
    if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) && request &&
        request->capture) {
        request->capture->Restore();
    }
    if (msg == WM_INITDIALOG) {
        const auto* cc = reinterpret_cast<const CHOOSECOLORW*>(lp);
        request = reinterpret_cast<ColorDialogRequest*>(cc->lCustData);
        const RECT& palette = request->palette;
        MONITORINFO mi{};
        mi.cbSize = sizeof(mi);
        RECT own{};
        if (GetMonitorInfoW(MonitorFromRect(&palette, MONITOR_DEFAULTTONEAREST), &mi) &&
            GetWindowRect(dlg, &own)) {
            const TSize size{own.right - own.left, own.bottom - own.top};
            const TRect at =
                PlaceColorDialog(ToTRect(palette), size, ToTRect(mi.rcWork), request->scale);
            SetWindowPos(dlg, HWND_TOPMOST, at.Left, at.Top, 0, 0, SWP_NOSIZE);
        }
        SetForegroundWindow(dlg);
    }
    return 0;  // the dialog's own handling goes on
}

}  // namespace

TPanelTools::TPanelTools() : FloatingPanel(L"TPanelTools", kPaletteWidth, kPaletteHeight) {}

TGraphicControl& TPanelTools::Control(PaletteControl id) {
    TGraphicControl* controls[] = {&btArrow,    &btPen,   &btRect,     &btLine, &btMarker,
                                   &btSetWidth, &Image2,  &btFillRect, &btText, &btStamp,
                                   &btGaus,     &btColor, &Image1,     &btUndo, &btRedo};
    return *controls[static_cast<std::size_t>(id)];
}

bool TPanelTools::CreateForm(CaptureSession& session) {
    session_ = &session;
    if (!CreatePanel(session.CaptureWindow())) return false;
    for (const PaletteItem& item : kPaletteItems) {
        TGraphicControl& c = Control(item.id);
        c.Hint = std::u16string(item.hint);
        if (item.kind == PaletteKind::Tool) {
            auto& button = static_cast<TImageButton&>(c);
            tools_.Add(button, item.tool);
            button.OnClick = [this](TGraphicControl& s) {
                btTextClick(static_cast<TImageButton&>(s));
            };
        }
        Controls().Add(c);
    }
    btSetWidth.OnClick = [this](TGraphicControl&) { btSetWidthClick(); };
    btColor.OnClick = [this](TGraphicControl&) { btColorClick(); };
    btUndo.OnClick = [this](TGraphicControl&) { btUndoClick(); };
    btRedo.OnClick = [this](TGraphicControl&) { btRedoClick(); };
    btUndo.SetEnabled(false);
    btRedo.SetEnabled(false);

    // The pickers belong to the capture window, as the palette does.
    const auto backToCapture = [this] { session_->FocusWindow(); };
    widthForm_.OnWidthChosen = backToCapture;
    fontForm_.OnChange = backToCapture;
    const auto esc = [this] {
        if (OnEscape) OnEscape();
    };
    widthForm_.OnEscape = esc;
    fontForm_.OnEscape = esc;
    widthForm_.CreateForm(session.CaptureWindow());
    fontForm_.CreateForm(session.CaptureWindow());
    return true;
}

void TPanelTools::LayoutControls() {
    const DisplayScale& scale = Scale();
    for (const PaletteItem& item : kPaletteItems) {
        TGraphicControl& c = Control(item.id);
        const TRect r = scale.Rect(PaletteItemBounds(item.id));
        c.SetBounds(r.Left, r.Top, r.Width(), r.Height());
        if (item.kind == PaletteKind::Separator) {
            auto& image = static_cast<TImage&>(c);
            image.Center = true;
            image.SetPicture(art::DrawSeparator(item.width, kPaletteHeight, scale));
        } else {
            SetButtonArt(static_cast<TImageButton&>(c),
                         art::DrawGlyphButton(item.glyph, item.width, kPaletteHeight, scale));
        }
    }
    // The swatch fills the colour button at its new size.
    PaintSwatch(LGSettings().wincolor);
}

void TPanelTools::OnUpdateStateUndoRedo(bool availUndo, bool availRedo) {
    btUndo.SetEnabled(availUndo);
    btRedo.SetEnabled(availRedo);
    Trace(availUndo ? (availRedo ? L"undo on, redo on" : L"undo on, redo off")
                    : (availRedo ? L"undo off, redo on" : L"undo off, redo off"));
}

void TPanelTools::btTextClick(TImageButton& sender) {
    HidePickers();
    const ToolButtonGroup::ClickResult r = tools_.Click(sender);
    if (r.showFontPicker) ShowPicker(fontForm_, kFontPickerOffset);
    session_->Editor().AddTool(r.tool);
    if (r.focusCaptureWindow) session_->FocusWindow();
    Trace((L"tool " + std::to_wstring(static_cast<int>(r.tool))).c_str());
}

void TPanelTools::SelectArrowTool() {
    btArrow.SetDown(false);
    btArrow.Click();
}

void TPanelTools::btSetWidthClick() {
    fontForm_.HidePanel();
    ShowPicker(widthForm_, kWidthPickerOffset);
    Trace(widthForm_.Flipped() ? L"width picker opened above" : L"width picker opened below");
}

void TPanelTools::ShowPicker(ShapedPicker& picker, int offsetX96) {
    if (!hwnd()) return;
    RECT palette{};
    GetWindowRect(hwnd(), &palette);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &mi)) return;
    const TRect onScreen = SelectionOnScreen(
        RoundRect(session_->Editor().SelectionLayer().Location()), session_->RectWork());
    picker.SetScale(Scale());
    const PickerPlacement at =
        PlacePicker(ToTRect(palette), onScreen, ToTRect(mi.rcMonitor),
                    TSize{picker.Width(), picker.Height()}, offsetX96, Scale());
    picker.MoveTo(at.bounds.Left, at.bounds.Top);
    picker.Show(at.flip);
}

void TPanelTools::HidePickers() {
    widthForm_.HidePanel();
    fontForm_.HidePanel();
}

void TPanelTools::ShowFontPickerIfText() {
    if (Showing() && btText.Down()) ShowPicker(fontForm_, kFontPickerOffset);
}

void TPanelTools::PlacePickers() {
    if (widthForm_.Showing()) ShowPicker(widthForm_, kWidthPickerOffset);
    if (fontForm_.Showing()) ShowPicker(fontForm_, kFontPickerOffset);
}

void TPanelTools::btColorClick() {
    session_->HidePanels();
    ColorDialogRequest request;
    GetWindowRect(hwnd(), &request.palette);
    request.scale = Scale();

    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = hwnd();
    cc.rgbResult = LGSettings().wincolor & 0x00FFFFFFu;
    cc.lpCustColors = g_customColors;
    cc.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ENABLEHOOK | CC_ANYCOLOR;
    cc.lpfnHook = &ColorDialogHook;
    cc.lCustData = reinterpret_cast<LPARAM>(&request);
    bool chosen = false;
    {
        // Modal for the capture too, not only for the palette that owns
        // it: a click behind it would draw, and Esc would close the capture
        // under the open dialog.
        WindowDisabled captureDisabled(session_->CaptureWindow());
        request.capture = &captureDisabled;
        Trace(L"colour dialog opened");
        chosen = ChooseColorW(&cc) != FALSE;
    }
    if (chosen) {
        session_->Editor().SetPropertyTool(cc.rgbResult, -1);
        PaintSwatch(cc.rgbResult);
        Trace(L"colour chosen");
    } else {
        Trace(L"colour dialog cancelled");
    }
    // The capture first: taking the activation raises it, and the panels
    // then go above it.
    session_->FocusWindow();
    session_->ShowEditorPanels();
}

void TPanelTools::btUndoClick() {
    session_->Editor().Undo();
}

void TPanelTools::btRedoClick() {
    session_->Editor().Redo();
}

void TPanelTools::FormShow() {
    PaintSwatch(LGSettings().wincolor);
}

void TPanelTools::PaintSwatch(TColor color) {
    TBitmap32 swatch(btColor.Width(), btColor.Height());
    swatch.Clear(WithAlpha(Color32(color), 0xFF));
    btColor.SetBackgroundImage(swatch);
}

LRESULT TPanelTools::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SHOWWINDOW && wp) FormShow();
    return FloatingPanel::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
