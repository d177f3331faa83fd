#include "tools/base_tool_layer.h"

#include "layers/dirty_region.h"
#include "layers/input.h"
#include "layers/layer_collection.h"
#include "layers/positioned_layer.h"

namespace lg {

TBaseToolLayer::TBaseToolLayer(TImgView32& imgv, const TFloatRect& location, TBitmap32& drawBitmap)
    : FImgView(imgv), FDrawBitmap(drawBitmap), drawnArea_(drawBitmap.BoundsRect()) {
    // Whatever is in the draw bitmap (a figure of a layer deleted without a
    // commit) is unknown here, so all of it counts as drawn.
    ClearDrawBitmap();
    SetLocation(location);
    SetScaled(false);
    SetCursor(crCross);
}

void TBaseToolLayer::ClearDrawBitmap() {
    // The whole bitmap, not just the known area: a figure drawn without
    // being reported must not survive into the next commit.
    FDrawBitmap.Clear(kDrawBitmapClear);
    Repaint(drawnArea_);
    drawnArea_ = TRect{};
}

void TBaseToolLayer::DrawBitmapChanged(const TRect& area) {
    const TRect r = IntersectRect(area, FDrawBitmap.BoundsRect());
    if (r.IsEmpty()) return;
    drawnArea_ = UnionRect(drawnArea_, r);
    Repaint(r);
}

void TBaseToolLayer::RaiseEnd() {
    if (!OnEnd) return;
    // A copy: the handler frees this layer, and with it OnEnd.
    const TNotifyEvent handler = OnEnd;
    handler(*this);
}

TBitmapLayer* TBaseToolLayer::DrawLayer() const {
    const TLayerCollection& layers = FImgView.Layers();
    for (int i = 0; i < layers.Count(); ++i) {
        auto* layer = dynamic_cast<TBitmapLayer*>(layers.Items(i));
        if (layer && &layer->Bitmap() == &FDrawBitmap) return layer;
    }
    return nullptr;
}

void TBaseToolLayer::Repaint(const TRect& area) {
    if (area.IsEmpty()) return;
    TBitmapLayer* layer = DrawLayer();
    if (!layer) {
        // Not shown by a layer: the view's coordinates are the bitmap's.
        FImgView.InvalidateRect(area);
        return;
    }
    // The draw layer shows its bitmap 1:1 from its rounded location's
    // top-left, cut to the location.
    const TRect shown = RoundRect(layer->Location());
    const TRect inView{area.Left + shown.Left, area.Top + shown.Top, area.Right + shown.Left,
                       area.Bottom + shown.Top};
    layer->Changed(IntersectRect(inView, shown));
}

}  // namespace lg
