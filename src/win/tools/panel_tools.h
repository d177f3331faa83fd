// The tool palette: a horizontal strip beside the selection with the tool,
// colour, width, font, undo and redo buttons. Its buttons join it with the
// tools; until then it is the empty strip the editor places and shows.
#pragma once

#include "platform/floating_panel.h"

namespace lg::win {

class TPanelTools : public FloatingPanel {
public:
    TPanelTools() : FloatingPanel(L"TPanelTools", 532, 38) {}

    // The undo store's availability, shown by the undo and redo buttons.
    void OnUpdateStateUndoRedo(bool availUndo, bool availRedo) {
        availUndo_ = availUndo;
        availRedo_ = availRedo;
    }
    bool AvailUndo() const { return availUndo_; }
    bool AvailRedo() const { return availRedo_; }

private:
    bool availUndo_ = false;
    bool availRedo_ = false;
};

}  // namespace lg::win
