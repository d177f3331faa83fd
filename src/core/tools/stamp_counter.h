// The number the next numbered stamp shows: reset to 1 when a capture
// opens (CaptureEditor::StartCapture), moved by undo and redo, taken by the
// stamp tool.
#pragma once

namespace lg {

int& StampCounter();

}  // namespace lg
