// The base of everything the image view shows above its bitmap.
//
// A layer lives in a TLayerCollection, which owns it; the collection belongs
// to a TImgView32 (or stands alone in tests). A layer reports its changes to
// the view through the collection, so that only the area it covers is
// painted again, and it receives the mouse from the view (see
// layer_collection.h for the routing rules).
#pragma once

#include <cstdint>
#include <functional>

#include "layers/input.h"
#include "raster/bitmap32.h"
#include "raster/geometry.h"

namespace lg {

class TImgView32;
class TLayerCollection;

// Layer option bits. The values are part of the layer's stored options
// (the text tool sets $B0000000 in one go), so they must not change.
using TLayerOptions = std::uint32_t;
inline constexpr TLayerOptions loVisible = 0x80000000u;
inline constexpr TLayerOptions loMouseEvents = 0x20000000u;
// Changes of this layer do not themselves ask the view to repaint; an
// explicit Update() still does.
inline constexpr TLayerOptions loNoUpdate = 0x10000000u;

// A rectangle reaching far past any screen: the area of a layer that does
// not know its extent. The view clips it to its client area.
inline constexpr TRect kUnboundedRect{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};

class TCustomLayer {
public:
    using TLayerMouseEvent =
        std::function<void(TCustomLayer& sender, TMouseButton, TShiftState, int x, int y)>;
    using TLayerMouseMoveEvent =
        std::function<void(TCustomLayer& sender, TShiftState, int x, int y)>;
    using TPaintLayerEvent = std::function<void(TCustomLayer& sender, TBitmap32& buffer)>;

    TCustomLayer() = default;
    virtual ~TCustomLayer() = default;
    TCustomLayer(const TCustomLayer&) = delete;
    TCustomLayer& operator=(const TCustomLayer&) = delete;

    // The collection holding the layer; null until it is added.
    TLayerCollection* LayerCollection() const { return collection_; }
    // The view showing the collection, if any.
    TImgView32* View() const;
    // Position in the collection (0 is the bottom), -1 outside one.
    int Index() const;

    TLayerOptions LayerOptions() const { return options_; }
    // A change of visibility repaints the layer's area (unless the new or
    // old options carry loNoUpdate).
    void SetLayerOptions(TLayerOptions options);
    bool Visible() const { return (options_ & loVisible) != 0; }
    void SetVisible(bool visible);
    bool MouseEvents() const { return (options_ & loMouseEvents) != 0; }
    void SetMouseEvents(bool enabled);

    // The cursor shown while this layer has the mouse (crDefault: none).
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }

    // The content changed: the layer's area (or the given part of the view)
    // is painted again. Ignored for hidden layers and with loNoUpdate.
    void Changed();
    void Changed(const TRect& area);
    // Paint the layer's area (or the given part) again, whatever the
    // options say: for a layer whose own changes do not repaint.
    void Update();
    void Update(const TRect& area);

    // The part of the view this layer may paint, in view coordinates.
    // Painting outside it would leave stale pixels after a change, so a
    // subclass that paints beyond its location must widen it.
    virtual TRect PaintBounds() const { return kUnboundedRect; }

    // Whether a press at (x, y) would be taken by this layer (options not
    // considered; the collection checks those).
    bool HitTest(int x, int y) const { return DoHitTest(x, y); }

    // Mouse operations in view coordinates. Each runs the layer's own
    // behaviour and then its hook. The hook runs last, and nothing touches
    // the layer after it, so a hook may delete the layer.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

    // Paints the layer into buffer (view coordinates), clipped to the
    // buffer's clip rectangle: its own routine, then OnPaint.
    void PaintLayer(TBitmap32& buffer);

    TLayerMouseEvent OnMouseDown;
    TLayerMouseMoveEvent OnMouseMove;
    TLayerMouseEvent OnMouseUp;
    TPaintLayerEvent OnPaint;

protected:
    // Default: every point (a layer without an extent covers the view).
    virtual bool DoHitTest(int x, int y) const;
    virtual void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    // Default: this layer's cursor becomes the screen cursor.
    virtual void DoMouseMove(TShiftState shift, int x, int y);
    // Default: the screen cursor goes back to the default.
    virtual void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoPaint(TBitmap32& buffer);
    // Another layer of the same collection is about to be freed; a layer
    // that refers to it must let go.
    virtual void LayerRemoved(TCustomLayer& layer);

    // Sets the application-wide cursor override kept by the view.
    void SetScreenCursor(TCursor cursor);
    // Repaints both areas of a layer whose bounds moved, honouring the
    // visibility and loNoUpdate like Changed().
    void BoundsChanged(const TRect& oldBounds, const TRect& newBounds);

private:
    friend class TLayerCollection;

    void Invalidate(const TRect& area);

    TLayerCollection* collection_ = nullptr;
    TLayerOptions options_ = loVisible;
    TCursor cursor_ = crDefault;
};

}  // namespace lg
