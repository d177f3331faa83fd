// The common base of the editor's tool layers.
//
// A tool layer is a short-lived layer over the selection: it takes the
// mouse presses that fall on the selection, draws the figure being made
// into the draw bitmap (the bitmap of the view's draw layer, shared by all
// tool layers one after another) and raises OnEnd when the figure is
// complete. The capture window then flattens the view, stores an undo
// snapshot, deletes the layer and creates a fresh one of the same kind.
//
// Rules every tool keeps:
//  - It is created through Create<T> (or the class table), which puts it on
//    top of the view's layers; the layer collection owns it.
//  - It reports every change of the draw bitmap with DrawBitmapChanged (or
//    clears it with ClearDrawBitmap), so that the view repaints that area.
//  - It leaves its finished figure in the draw bitmap when it raises OnEnd,
//    and raises OnEnd last: the handler frees the layer.
//  - It draws its 96-DPI sizes (pen widths, heads, the stamp) through
//    Scale(), the scale of the display the capture is annotated on, so a
//    figure looks the same at any scale, only larger.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "dpi/display_scale.h"
#include "layers/bitmap_layer.h"
#include "layers/img_view32.h"
#include "raster/bitmap32.h"
#include "raster/geometry.h"
#include "tools/cur_tool.h"

namespace lg {

// The draw bitmap's empty state: fully transparent white.
inline constexpr TColor32 kDrawBitmapClear = 0x00FFFFFFu;

class TBaseToolLayer : public TBitmapLayer {
public:
    using TNotifyEvent = std::function<void(TBaseToolLayer& sender)>;

    // Clears the draw bitmap, takes the selection `location` (unscaled) and
    // the cross cursor. Use Create<T>, which also inserts the layer.
    TBaseToolLayer(TImgView32& imgv, const TFloatRect& location, TBitmap32& drawBitmap);

    // Constructs a tool layer of class T on top of imgv's layers, drawing
    // at `scale`.
    template <class T>
    static T& Create(TImgView32& imgv, const TFloatRect& location, TBitmap32& drawBitmap,
                     const DisplayScale& scale = DisplayScale()) {
        T& layer = imgv.Layers().Add<T>(imgv, location, drawBitmap);
        layer.SetScale(scale);
        return layer;
    }

    // The tool kind this layer draws, for the few questions the capture
    // window asks (is this the text tool, the stamp tool).
    virtual TCurTool Kind() const = 0;

    TImgView32& ImgView() const { return FImgView; }
    TBitmap32& DrawBitmap() const { return FDrawBitmap; }

    // The scale the figure is drawn at. The capture window sets it at
    // creation and when the selection moves to another display; a figure
    // already in the draw bitmap keeps the scale it was drawn at.
    const DisplayScale& Scale() const { return scale_; }
    void SetScale(const DisplayScale& scale) { scale_ = scale; }

    // Raised once when the figure is complete, with this layer as sender.
    // The handler may free the layer.
    TNotifyEvent OnEnd;
    // A short message for the user (an input that was cut or refused).
    std::function<void(std::u16string_view text)> OnNotice;

protected:
    // Clears the draw bitmap to kDrawBitmapClear and repaints what was
    // drawn into it since the last clear. Only that part is cleared: the
    // rest already is clear, since every drawing is reported.
    void ClearDrawBitmap();
    // The same, except the pixels of `keep`, which stay as they are (a
    // redraw that will leave them unchanged).
    void ClearDrawBitmapOutside(const TRect& keep);
    // Clears only `area` of the draw bitmap (for a redraw of that part
    // alone) and repaints it.
    void ClearDrawBitmapPart(const TRect& area);
    // The part of the draw bitmap that may differ from kDrawBitmapClear.
    const TRect& DrawnArea() const { return *drawnArea_; }
    // `area` of the draw bitmap (its pixel coordinates) was drawn into:
    // repaints that part of the view.
    void DrawBitmapChanged(const TRect& area);
    // Raises OnEnd if assigned. Call it last: the layer may be gone after.
    void RaiseEnd();

private:
    // The view layer that shows the draw bitmap, if any.
    TBitmapLayer* DrawLayer() const;
    void Repaint(const TRect& area);

    TImgView32& FImgView;
    TBitmap32& FDrawBitmap;
    // The part of the draw bitmap that may differ from kDrawBitmapClear,
    // shared by the tool layers of the view that draw into the same bitmap
    // (one normally; more when a finished layer is kept), so that a clear
    // by any of them clears what the others drew.
    std::shared_ptr<TRect> drawnArea_;
    DisplayScale scale_;
};

}  // namespace lg
