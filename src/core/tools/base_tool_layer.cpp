#include "tools/base_tool_layer.h"

#include <algorithm>

#include "layers/dirty_region.h"
#include "layers/input.h"
#include "layers/layer_collection.h"
#include "layers/positioned_layer.h"

namespace lg {

TBaseToolLayer::TBaseToolLayer(TImgView32& imgv, const TFloatRect& location, TBitmap32& drawBitmap)
    : FImgView(imgv), FDrawBitmap(drawBitmap) {
    const TLayerCollection& layers = imgv.Layers();
    for (int i = 0; i < layers.Count() && !drawnArea_; ++i) {
        const auto* other = dynamic_cast<const TBaseToolLayer*>(layers.Items(i));
        if (other && other != this && &other->FDrawBitmap == &FDrawBitmap) {
            drawnArea_ = other->drawnArea_;
        }
    }
    if (!drawnArea_) drawnArea_ = std::make_shared<TRect>();
    // Whatever is in the draw bitmap (a figure of a layer deleted without a
    // commit) is unknown here, so all of it counts as drawn.
    *drawnArea_ = drawBitmap.BoundsRect();
    ClearDrawBitmap();
    SetLocation(location);
    SetScaled(false);
    SetCursor(crCross);
}

void TBaseToolLayer::ClearDrawBitmap() {
    ClearDrawBitmapOutside(TRect{});
}

void TBaseToolLayer::ClearDrawBitmapOutside(const TRect& keep) {
    // Only what was reported: a full clear costs a frame's worth of memory
    // traffic at every mouse move on a large capture.
    TRect parts[4];
    const int n = SubtractRect(*drawnArea_, keep, parts);
    for (int i = 0; i < n; ++i) {
        const TRect r = IntersectRect(parts[i], FDrawBitmap.BoundsRect());
        for (int y = r.Top; y < r.Bottom; ++y) {
            std::fill_n(FDrawBitmap.PixelPtr(r.Left, y), r.Width(), kDrawBitmapClear);
        }
        Repaint(r);
    }
    *drawnArea_ = IntersectRect(*drawnArea_, keep);
}

void TBaseToolLayer::ClearDrawBitmapPart(const TRect& area) {
    const TRect r = IntersectRect(IntersectRect(area, *drawnArea_), FDrawBitmap.BoundsRect());
    for (int y = r.Top; y < r.Bottom; ++y) {
        std::fill_n(FDrawBitmap.PixelPtr(r.Left, y), r.Width(), kDrawBitmapClear);
    }
    Repaint(r);
}

void TBaseToolLayer::DrawBitmapChanged(const TRect& area) {
    const TRect r = IntersectRect(area, FDrawBitmap.BoundsRect());
    if (r.IsEmpty()) return;
    *drawnArea_ = UnionRect(*drawnArea_, r);
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
