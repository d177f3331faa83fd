// The output panel: a vertical strip beside the selection that ends the
// capture (upload, copy, save, close). Its buttons join it with the output
// commands; until then it is the empty strip the editor places and shows.
#pragma once

#include "platform/floating_panel.h"

namespace lg::win {

class TPanelSave : public FloatingPanel {
public:
    TPanelSave() : FloatingPanel(L"TPanelSave", 38, 157) {}
};

}  // namespace lg::win
