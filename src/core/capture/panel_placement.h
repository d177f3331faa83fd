// Where the tool palette and the output panel float beside the selection.
//
// Both go next to the selection without covering it when there is room,
// inside the virtual screen, above the bottom of the monitor they are on,
// and not over each other. The gap is 8 pixels (at 96 DPI; the panels'
// display scale applies) except where noted in the steps. The window that owns the panels moves
// them and closes the pickers; this is only the arithmetic, on screen coordinates.
#pragma once

#include "dpi/display_scale.h"
#include "raster/geometry.h"

namespace lg {

// Sizes by the panels' form definitions.
inline constexpr TSize kPaletteSize{532, 38};      // horizontal strip of tool buttons
inline constexpr TSize kOutputPanelSize{38, 157};  // vertical strip of output buttons

struct PanelPlacementInput {
    TRect virtualScreen;  // bounds of all monitors
    TRect selection;      // in screen coordinates (SelectionOnScreen)
    // The panels' sizes in pixels, already at the panels' scale.
    TSize paletteSize = kPaletteSize;
    TSize outputPanelSize = kOutputPanelSize;
    // The panels' display scale: the gaps between them and the selection.
    DisplayScale scale;
    // Bounds of the monitor nearest to where each panel is now, before it
    // moves (or where its form definition puts a panel never placed yet).
    TRect paletteMonitor;
    TRect outputPanelMonitor;
};

struct PanelOrigin {
    int Left = 0;
    int Top = 0;
    friend constexpr bool operator==(const PanelOrigin&, const PanelOrigin&) = default;
};

struct PanelPlacement {
    PanelOrigin palette;
    PanelOrigin outputPanel;
    friend constexpr bool operator==(const PanelPlacement&, const PanelPlacement&) = default;
};

// The selection in screen coordinates, from its whole-pixel rectangle in
// capture coordinates (the selection layer rounds its location): shifted by
// the virtual screen's origin, edges held the wrong way round put in order.
TRect SelectionOnScreen(const TRect& selection, const TRect& virtualScreen);

PanelPlacement PlacePanels(const PanelPlacementInput& in) noexcept;

}  // namespace lg
