// The capture window's selection layer: before a selection exists it dims
// the frozen screen and shows the prompt "Выберите область" at the pointer;
// afterwards it dims everything outside the selection and draws the dashed
// frame, eight round handles and the size label, and lets the user move
// the selection and resize it by any edge or corner.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "dpi/display_scale.h"
#include "layers/rubberband_layer.h"
#include "raster/font.h"
#include "tools/tool_point.h"

namespace lg {

class TextRasterizer;

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
    TPoint PointerPos() const { return TPoint{pointerX_, pointerY_}; }

    // While the prompt shows: the window under the pointer that a click
    // would select (view coordinates), outlined and left undimmed; the
    // outline's width takes the layer's scale. Nothing outlines nothing.
    const std::optional<TRect>& SnapOutline() const { return snapOutline_; }
    void SetSnapOutline(std::optional<TRect> r);

    // The scale of the display showing the selection (or, for the prompt,
    // the pointer): handles, hit bands, the label and the prompt take
    // their 96-DPI sizes through it. A change repaints the layer.
    const DisplayScale& Scale() const { return scale_; }
    void SetScale(const DisplayScale& scale);

    // The text rasterizer the prompt and the label are measured and drawn
    // with; null (the default) means the process default. Not owned.
    void SetTextRasterizer(TextRasterizer* r);

    // Asked by the drag-state query: a press inside the selection goes to
    // the current tool when there is one.
    std::function<bool()> HasCurrentTool;

    // The font of the prompt and the size label.
    const TFontDesc& LabelFont() const { return labelFont_; }

    TDragState GetDragState(int x, int y) const override;
    // The selection with its frame, handles and label, or the prompt's box
    // and shadow: both measured from the text as it is drawn, so a larger
    // font or scale never leaves stale pixels behind.
    TRect PaintBounds() const override;

protected:
    void DoMouseMove(TShiftState shift, int x, int y) override;
    void DoPaint(TBitmap32& buffer) override;

private:
    struct TextBox {
        TRect box;     // the filled box behind the text
        TRect shadow;  // the prompt's shadow (empty for the label)
        TPoint text;   // the text's top-left
    };

    TextRasterizer* Text() const;
    TSize MeasureText(std::u16string_view text) const;
    void WriteText(TBitmap32& buffer, TPoint at, std::u16string_view text, TColor32 color) const;
    TextBox PromptBox(TSize ext) const;
    TextBox LabelBox(const TRect& selection, TSize ext) const;
    // How far past its centre a handle's disc may paint.
    int HandleReach() const;
    void PaintPrompt(TBitmap32& buffer);
    // The frozen screen dimmed around `clear`, which stays as it is.
    void DimAround(TBitmap32& buffer, const TRect& clear) const;
    void PaintSelection(TBitmap32& buffer);
    void RepaintAll();

    TRect FRectWork{};
    bool FVisibleRect = false;
    TSelectState FSelectState = ssNoVis;
    int pointerX_ = 0, pointerY_ = 0;
    std::optional<TRect> snapOutline_;
    TFontDesc labelFont_;
    DisplayScale scale_;
    TextRasterizer* text_ = nullptr;
};

// The text of the size label of a selection of that many pixels.
std::u16string SelectionSizeLabel(int width, int height);

}  // namespace lg
