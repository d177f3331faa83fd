// The palette's nine tool buttons as a radio group that can be emptied: at
// most one is down; clicking the one that is down puts it up and leaves no
// tool. The group decides; the palette window carries out what it returns.
#pragma once

#include <vector>

#include "controls/image_button.h"
#include "tools/cur_tool.h"

namespace lg {

class ToolButtonGroup {
public:
    void Add(TImageButton& button, TCurTool tool);

    struct ClickResult {
        TCurTool tool = ctNone;  // for AddTool
        bool showFontPicker = false;
        bool focusCaptureWindow = false;
    };
    // What clicking `button` (one of the group) does to the group, and the
    // tool to choose. The pickers are closed by the caller beforehand.
    ClickResult Click(TImageButton& button);

    // The button that is down, or null.
    TImageButton* DownButton() const;
    TCurTool ToolOf(const TImageButton& button) const;

private:
    struct Member {
        TImageButton* button;
        TCurTool tool;
    };
    std::vector<Member> members_;
};

}  // namespace lg
