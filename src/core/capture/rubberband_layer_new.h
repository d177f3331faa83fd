// The capture window's selection layer: before a selection exists it dims
// the frozen screen and shows the prompt "Выберите область" at the pointer;
// afterwards it dims everything outside the selection and draws the dashed
// frame, eight round handles and the size label, and lets the user move
// the selection and resize it by any edge or corner.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "layers/rubberband_layer.h"
#include "raster/font.h"

namespace lg {

enum TSelectState : std::uint8_t {
    ssNoVis,  // no selection
    ssDown,   // declared, never entered
    ssMove,   // the first selection is being drawn by the controller
    ssEnd,    // the selection is complete
};

// The dimming over everything that is not selected.
inline constexpr TColor32 kSelectionDim = 0x66353739u;
inline constexpr std::u16string_view kSelectPrompt = u"Выберите область";

class TRubberbandLayerNew : public TRubberbandLayer {
public:
    TRubberbandLayerNew();

    // The capture's bounds (the window's RectWork); its width and height
    // bound the dimming.
    const TRect& RectWork() const { return FRectWork; }
    void SetRectWork(const TRect& r);

    // A selection exists and is shown; false shows the prompt instead.
    bool VisibleRect() const { return FVisibleRect; }
    void SetVisibleRect(bool visible);

    TSelectState SelectState() const { return FSelectState; }
    void SetSelectState(TSelectState state);

    // Where the pointer is (view coordinates), for the prompt.
    void SetPointerPos(int x, int y);

    // Asked by the drag-state query: a press inside the selection goes to
    // the current tool when there is one.
    std::function<bool()> HasCurrentTool;

    // The font of the prompt and the size label.
    const TFontDesc& LabelFont() const { return labelFont_; }

    TDragState GetDragState(int x, int y) const override;
    TRect PaintBounds() const override;

protected:
    void DoMouseMove(TShiftState shift, int x, int y) override;
    void DoPaint(TBitmap32& buffer) override;

private:
    void PaintPrompt(TBitmap32& buffer);
    void PaintSelection(TBitmap32& buffer);
    void RepaintAll();

    TRect FRectWork{};
    bool FVisibleRect = false;
    TSelectState FSelectState = ssNoVis;
    int pointerX_ = 0, pointerY_ = 0;
    TFontDesc labelFont_;
};

// The text of the size label of a selection of that many pixels.
std::u16string SelectionSizeLabel(int width, int height);

}  // namespace lg
