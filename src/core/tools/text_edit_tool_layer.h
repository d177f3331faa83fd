// The text tool: a press places a box on the selection, typed text appears
// in it at once with a blinking caret, and the box grows and shrinks to the
// text while its top-left corner stays put. The box is dragged by its
// border through the frame layer (RBLayer) around it.
//
// Unlike the other tools it never ends itself (OnEnd is never raised): the
// capture window ends it through TTextToolControl and flattens its bitmap,
// which holds the rendered box, into the capture.
//
// It knows no timer and no clipboard. The shell runs the caret's blink
// timer (kCaretBlinkMs) while CaretTimerEnabled() holds, calls CaretTick on
// each tick and restarts the timer when OnRestartCaretTimer asks; it reads
// the clipboard through ClipboardText.
//
// States: waiting (until the placing press; keys ignored), editing (box
// placed, keys edit), stopped (after StopDrawing: caret hidden, keys and
// ticks ignored).
//
// The box never grows past kMaxTextBoxSide or kMaxTextBoxPixels: a key
// whose text could not be drawn is taken back, so the box always shows the
// text it holds and StopDrawing can always draw it without the caret.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "tools/base_tool_layer.h"
#include "tools/rubber_band_layer_ex.h"
#include "tools/text_edit_model.h"
#include "tools/text_tool_control.h"

namespace lg {

// The caret's blink period, in milliseconds.
inline constexpr int kCaretBlinkMs = 700;
// The largest box the text may need: wider than the widest desktops, and
// no more pixels than a 4K screen has (32 MB for the box, as much for the
// text block), which a 32-bit process can still have at once.
inline constexpr int kMaxTextBoxSide = 32767;
inline constexpr std::int64_t kMaxTextBoxPixels = std::int64_t{1} << 23;
// What the user is told when a paste was cut or a key taken back.
inline constexpr std::u16string_view kPasteCutNotice =
    u"Вставлены только первые 1000 знаков из буфера обмена";
inline constexpr std::u16string_view kTextTooLargeNotice =
    u"Надпись не может быть больше: последнее изменение отменено";
// Points: the font size the first box is measured in before the text
// font takes over at the first redraw.
inline constexpr int kFirstBoxFontSize = 20;

class TTextEditToolLayer : public TBaseToolLayer, public TTextToolControl {
public:
    TTextEditToolLayer(TImgView32& imgv, const TFloatRect& location, TBitmap32& drawBitmap);

    TCurTool Kind() const override { return ctTextExit; }

    // TTextToolControl
    std::u16string Text() const override { return FModel.Text(); }
    bool IsStateRedact() const override { return !FDrawingLine; }
    bool StopDrawing() override;
    TCustomLayer* RBLayer() const override { return FRBLayer; }
    void KeyPress(char16_t key) override;
    void KeyDown(std::uint16_t key, TShiftState shift) override;

    // One tick of the blink timer: the caret changes phase.
    void CaretTick();
    // Whether the blink timer should be running: from construction until
    // StopDrawing.
    bool CaretTimerEnabled() const { return !FStopDrawing; }
    // The caret is in its visible phase.
    bool CaretVisible() const { return FCaretVis; }
    // The frame around the box, while it exists.
    TRubberBandLayerEx* Frame() const { return FRBLayer; }
    const TextEditModel& Model() const { return FModel; }

    // Raised after a key was taken: the blink timer must start its period
    // anew, so the caret stays visible for a whole one.
    std::function<void()> OnRestartCaretTimer;
    // Reads the clipboard's text, for Ctrl+V.
    TextEditModel::ClipboardText ClipboardText;

protected:
    void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoMouseMove(TShiftState shift, int x, int y) override;
    void LayerRemoved(TCustomLayer& layer) override;

private:
    void Place(int x, int y);
    // Re-measures and re-renders the whole box in `font`; nothing while
    // waiting. False, with the box as it was, when the text cannot be
    // drawn (too large, or no memory for it).
    bool RedrawText(const TFontDesc& font);
    bool RedrawText() { return RedrawText(TextFontDesc()); }
    // Applies `edit` (which tells whether the key was taken) to the model
    // as one key: taken back, with a notice, when the text it leaves cannot
    // be drawn. True when the edit stands.
    template <class Edit>
    bool EditAsKey(Edit&& edit);
    // The caret shows and its blink period starts anew.
    void ShowCaretNow();
    void Notice(std::u16string_view text) const;
    TFontDesc TextFontDesc() const;
    TextRasterizer& Rasterizer() const;

    TextEditModel FModel;
    bool FCaretVis = false;
    bool FDrawingLine = true;
    bool FStopDrawing = false;
    // The text block, without the margin.
    TBitmap32 FBText;
    // The font of the last successful redraw: StopDrawing falls back on it
    // when the picker's font makes the text too large to draw.
    TFontDesc FShownFont;
    // Owned by the view's layers; cleared when they free it.
    TRubberBandLayerEx* FRBLayer = nullptr;
};

}  // namespace lg
