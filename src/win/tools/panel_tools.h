// The tool palette: a horizontal strip beside the selection with the tool
// buttons (a radio group that can be emptied), the width and text buttons,
// the colour button with its swatch, and undo and redo.
#pragma once

#include <array>

#include "capture/capture_session.h"
#include "controls/floating_panel.h"
#include "controls/image_button.h"
#include "controls/image_control.h"
#include "tools/font_form.h"
#include "tools/palette_layout.h"
#include "tools/tool_button_group.h"
#include "tools/width_form.h"

namespace lg::win {

class TPanelTools : public FloatingPanel, public CaptureToolPalette {
public:
    TPanelTools();

    // Creates the window, owned by the capture window, with its controls.
    bool CreateForm(CaptureSession& session);

    // The undo store's availability, shown by the undo and redo buttons.
    void OnUpdateStateUndoRedo(bool availUndo, bool availRedo);

    TImageButton btArrow, btPen, btRect, btLine, btMarker, btSetWidth, btFillRect, btText, btStamp,
        btGaus, btColor, btUndo, btRedo;
    TImage Image1, Image2;

    // The click handler of the nine tool buttons.
    void btTextClick(TImageButton& sender);
    void btSetWidthClick();
    void btColorClick();
    void btUndoClick();
    void btRedoClick();
    void FormShow();

    // CaptureToolPalette
    FloatingPanel& Panel() override { return *this; }
    // Up first, so the click latches the arrow rather than emptying the group.
    void SelectArrowTool() override;
    void UndoRedoStateChanged(bool availUndo, bool availRedo) override {
        OnUpdateStateUndoRedo(availUndo, availRedo);
    }
    // Closes both pickers (the capture closes, or its panels hide).
    void HidePickers() override;
    // Opens the font picker again beside the palette when the text tool is
    // the current one (the panels show again after a dialog).
    void ShowFontPickerIfText() override;
    // Moves an open picker after the palette moved.
    void PlacePickers() override;

    TWidthForm& WidthForm() { return widthForm_; }
    TFontForm& FontForm() { return fontForm_; }

    // The control of a table entry.
    TGraphicControl& Control(PaletteControl id);
    const TImageButton* DownToolButton() const { return tools_.DownButton(); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void LayoutControls() override;

private:
    void PaintSwatch(TColor color);
    // Places `picker` by the palette and the selection and shows it.
    void ShowPicker(ShapedPicker& picker, int offsetX96);

    CaptureSession* session_ = nullptr;
    ToolButtonGroup tools_;
    TWidthForm widthForm_;
    TFontForm fontForm_;
};

}  // namespace lg::win
