#include "tools/text_edit_tool_layer.h"

#include <array>

#include "layers/layer_collection.h"
#include "raster/shapes.h"
#include "raster/text_rasterizer.h"
#include "settings/settings.h"

namespace lg {

namespace {

// The box's empty state, and the text block's: fully transparent white.
constexpr TColor32 kTextClear = 0x00FFFFFFu;
// The caret is black whatever the text colour.
constexpr TColor32 kCaretColor = 0xFF000000u;

// Measures everything as 0 × 0: text with no rasterizer set takes no room.
class NoTextRasterizer final : public TextRasterizer {
public:
    TSize Measure(const TFontDesc&, std::u16string_view) override { return {}; }
    void Draw(TBitmap32&, int, int, std::u16string_view, const TFontDesc&) override {}
};

bool TextBoxFits(TSize box) {
    return box.cx <= kMaxTextBoxSide && box.cy <= kMaxTextBoxSide &&
           static_cast<std::int64_t>(box.cx) * box.cy <= kMaxTextBoxPixels;
}

}  // namespace

TTextEditToolLayer::TTextEditToolLayer(TImgView32& imgv, const TFloatRect& location,
                                       TBitmap32& drawBitmap)
    : TBaseToolLayer(imgv, location, drawBitmap) {
    Bitmap().SetDrawMode(dmBlend);
    Bitmap().SetResampler(rkDraft);
    Bitmap().Clear(kTextClear);
    FBText.SetDrawMode(dmBlend);
    FBText.SetCombineMode(cmMerge);
    FBText.SetResampler(rkDraft);
}

void TTextEditToolLayer::DoMouseDown(TMouseButton, TShiftState, int x, int y) {
    // Any button places; a press into the placed box moves neither box nor
    // caret.
    if (FDrawingLine) Place(x, y);
}

void TTextEditToolLayer::DoMouseMove(TShiftState shift, int x, int y) {
    SetCursor(FDrawingLine ? crCross : crIBeam);
    TBaseToolLayer::DoMouseMove(shift, x, y);
}

void TTextEditToolLayer::LayerRemoved(TCustomLayer& layer) {
    if (&layer == FRBLayer) FRBLayer = nullptr;
    TBaseToolLayer::LayerRemoved(layer);
}

void TTextEditToolLayer::Place(int x, int y) {
    TRubberBandLayerEx& frame = ImgView().Layers().Add<TRubberBandLayerEx>(Scale());
    frame.SetHandles(rhCenter | rhFrame);
    frame.SetMinWidth(1.0f);
    frame.SetMinHeight(1.0f);
    frame.SetCursor(crSizeAll);
    FRBLayer = &frame;

    // The first box, before the text font is known to fit: one "W" of a
    // 20-point font with the margin around it.
    TFontDesc first = Bitmap().Font();
    first.Size = kFirstBoxFontSize;
    first.Dpi = Scale().Dpi();
    const TSize w = Rasterizer().Measure(first, u"W");
    const int margin = Scale().Px(kTextMargin);
    const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
    SetLocation(TFloatRect{fx, fy, fx + static_cast<float>(w.cx + 2 * margin),
                           fy + static_cast<float>(w.cy + 2 * margin)});
    // Moving the frame moves the box with it; the frame wraps the box.
    frame.SetChildLayer(this);
    frame.SetLayerOptions(loVisible | loMouseEvents | loNoUpdate);
    FDrawingLine = false;
    SetCursor(crDefault);

    // The box and caret show at once rather than at the next blink, which
    // could leave a placed box invisible for up to two blink periods.
    ShowCaretNow();
    RedrawText();
}

void TTextEditToolLayer::KeyPress(char16_t key) {
    bool cut = false;
    const bool kept = EditAsKey([&] {
        if (key != kCharPaste) return FModel.KeyPress(key);
        cut = FModel.Paste(ClipboardText ? ClipboardText() : std::u16string()).cut;
        return true;
    });
    if (kept && cut) Notice(kPasteCutNotice);
}

void TTextEditToolLayer::KeyDown(std::uint16_t key, TShiftState) {
    EditAsKey([&] {
        FModel.KeyDown(key);
        return true;
    });
}

template <class Edit>
bool TTextEditToolLayer::EditAsKey(Edit&& edit) {
    if (FDrawingLine || FStopDrawing) return false;
    try {
        TextEditModel before = FModel;
        if (!edit()) return false;
        ShowCaretNow();
        if (RedrawText()) return true;
        FModel = std::move(before);
        RedrawText();
        Notice(kTextTooLargeNotice);
    } catch (const std::exception&) {
        // No memory to edit with (the copy, the clipboard's text): the key
        // is lost and the box stays as it was.
    }
    return false;
}

void TTextEditToolLayer::ShowCaretNow() {
    FCaretVis = true;
    if (OnRestartCaretTimer) OnRestartCaretTimer();
}

void TTextEditToolLayer::Notice(std::u16string_view text) const {
    if (OnNotice) OnNotice(text);
}

void TTextEditToolLayer::CaretTick() {
    if (FStopDrawing) return;
    FCaretVis = !FCaretVis;
    // A font too large for the text leaves the box as it was.
    RedrawText();
}

bool TTextEditToolLayer::StopDrawing() {
    FStopDrawing = true;
    FCaretVis = false;
    // The box already shows its text in the font it was last drawn in, so
    // that one always fits.
    return RedrawText() || RedrawText(FShownFont);
}

TFontDesc TTextEditToolLayer::TextFontDesc() const {
    const TTextFont& text = TextFont();
    TFontDesc font;
    font.Family = text.name;
    font.Size = text.size;
    font.Style = text.style.Bits();
    font.Color = LGSettings().pencolor;
    font.Dpi = Scale().Dpi();
    return font;
}

TextRasterizer& TTextEditToolLayer::Rasterizer() const {
    static NoTextRasterizer none;
    TextRasterizer* r = FBText.GetTextRasterizer();
    return r ? *r : none;
}

bool TTextEditToolLayer::RedrawText(const TFontDesc& font) {
    if (FDrawingLine) return true;
    try {
        const DisplayScale& scale = Scale();
        TextRasterizer& rasterizer = Rasterizer();
        const TextBlockSize need = FModel.Measure(rasterizer, font, scale);
        if (!TextBoxFits(need.box)) return false;

        // Both bitmaps are had before anything changes, so a failure leaves
        // the box as it was.
        TBitmap32& own = Bitmap();
        TBitmap32 newBox, newBlock;
        if (own.Width() != need.box.cx || own.Height() != need.box.cy) {
            newBox = TBitmap32(need.box.cx, need.box.cy);
        }
        if (FBText.Width() != need.block.cx || FBText.Height() != need.block.cy) {
            newBlock = TBitmap32(need.block.cx, need.block.cy);
        }
        if (!newBox.Empty()) own.AdoptPixels(std::move(newBox));
        if (!newBlock.Empty()) FBText.AdoptPixels(std::move(newBlock));

        // The box fits the text exactly; its top-left corner stays. Through
        // the frame, which keeps the box on its own location.
        TFloatRect box = FRBLayer ? FRBLayer->Location() : Location();
        box.Right = box.Left + static_cast<float>(need.box.cx);
        box.Bottom = box.Top + static_cast<float>(need.box.cy);
        if (box != Location()) {
            if (FRBLayer) {
                FRBLayer->SetLocation(box);
            } else {
                SetLocation(box);
            }
        }

        own.Clear(kTextClear);
        FBText.Clear(kTextClear);
        FBText.SetFont(font);
        const std::vector<std::u16string>& lines = FModel.Lines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            FBText.RenderText(0, static_cast<int>(i) * need.lineHeight, lines[i], 0, font.Color);
        }
        if (FCaretVis) {
            const TextCaret caret = FModel.Caret(rasterizer, font, scale);
            const auto cx = static_cast<float>(caret.x);
            const std::array<TFloatPoint, 2> segment{
                TFloatPoint{cx, static_cast<float>(caret.top)},
                TFloatPoint{cx, static_cast<float>(caret.bottom)}};
            ThickPolyline(FBText, segment, kCaretColor, caret.width);
        }
        const int margin = scale.Px(kTextMargin);
        FBText.DrawTo(own, margin, margin);
        FShownFont = font;
        Changed();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace lg
