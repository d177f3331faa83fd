// The tool palette: a horizontal strip beside the selection with the tool
// buttons (a radio group that can be emptied), the width and text buttons,
// the colour button with its swatch, and undo and redo.
#pragma once

#include <array>

#include "controls/image_button.h"
#include "controls/image_control.h"
#include "platform/floating_panel.h"
#include "tools/palette_layout.h"
#include "tools/tool_button_group.h"

namespace lg::win {

class TSetRegionForm;

class TPanelTools : public FloatingPanel {
public:
    TPanelTools();

    // Creates the window, owned by the capture window, with its controls.
    bool CreateForm(TSetRegionForm& form);

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

    // The control of a table entry.
    TGraphicControl& Control(PaletteControl id);
    const TImageButton* DownToolButton() const { return tools_.DownButton(); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void LayoutControls() override;

private:
    void PaintSwatch(TColor color);

    TSetRegionForm* form_ = nullptr;
    ToolButtonGroup tools_;
};

}  // namespace lg::win
