#include "tools/tool_button_group.h"

namespace lg {

void ToolButtonGroup::Add(TImageButton& button, TCurTool tool) {
    members_.push_back({&button, tool});
}

TCurTool ToolButtonGroup::ToolOf(const TImageButton& button) const {
    for (const Member& m : members_) {
        if (m.button == &button) return m.tool;
    }
    return ctNone;
}

TImageButton* ToolButtonGroup::DownButton() const {
    for (const Member& m : members_) {
        if (m.button->Down()) return m.button;
    }
    return nullptr;
}

ToolButtonGroup::ClickResult ToolButtonGroup::Click(TImageButton& button) {
    ClickResult r;
    if (button.Down()) {
        button.SetDown(false);
        return r;  // no tool
    }
    for (const Member& m : members_) m.button->SetDown(false);
    button.SetDown(true);
    r.tool = ToolOf(button);
    if (r.tool == ctTextExit) {
        r.showFontPicker = true;
        r.focusCaptureWindow = true;
    }
    return r;
}

}  // namespace lg
