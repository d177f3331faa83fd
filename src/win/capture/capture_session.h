// The capture under way and the two panels beside it, as each side sees
// the other. The capture window and the panels know each other only
// through these roles, so none of them includes another's window class;
// the application puts them together.
#pragma once

#include <windows.h>

#include "capture/capture_editor.h"
#include "controls/floating_panel.h"
#include "raster/bitmap32.h"
#include "raster/geometry.h"

namespace lg::win {

// What the panels ask of the capture they belong to.
class CaptureSession {
public:
    virtual ~CaptureSession() = default;

    // The capture window: the panels' owner, disabled under their dialogs.
    virtual HWND CaptureWindow() const = 0;
    virtual CaptureEditor& Editor() = 0;
    // The captured area on the screen (the virtual screen).
    virtual TRect RectWork() const = 0;
    // The selected area of the composed picture (the shutter sounds);
    // false when there is none.
    virtual bool GetBitmap(TBitmap32& b) = 0;

    // Both panels placed and shown beside the selection, hidden, or moved.
    virtual void ShowEditorPanels() = 0;
    virtual void HidePanels() = 0;
    virtual void UpdatePositionPanels() = 0;
    // The keyboard back to the capture.
    virtual void FocusWindow() = 0;
};

// The output panel, as the capture uses it.
class CaptureOutputPanel {
public:
    virtual ~CaptureOutputPanel() = default;
    virtual FloatingPanel& Panel() = 0;
    // The output flow's upload and copy of the selection.
    virtual void Upload() = 0;
    virtual void Copy() = 0;
};

// The tool palette, as the capture uses it.
class CaptureToolPalette {
public:
    virtual ~CaptureToolPalette() = default;
    virtual FloatingPanel& Panel() = 0;
    // The arrow chosen, as a click on its button would.
    virtual void SelectArrowTool() = 0;
    // The undo store's availability, for the undo and redo buttons.
    virtual void UndoRedoStateChanged(bool availUndo, bool availRedo) = 0;
    // The width and font pickers: closed, shown again for the text tool,
    // moved after the palette.
    virtual void HidePickers() = 0;
    virtual void ShowFontPickerIfText() = 0;
    virtual void PlacePickers() = 0;
};

}  // namespace lg::win
