// A positioned layer that frames its location with a dashed line and
// handles, and lets the user move and resize it with the mouse. An attached
// child layer is kept on the same location.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "layers/positioned_layer.h"
#include "raster/color32.h"

namespace lg {

// Where a press would grab the rubber band. The order is fixed: the
// selection layer and the capture window keep these values.
enum TDragState : std::uint8_t {
    dsNone,
    dsMove,
    dsSizeL,
    dsSizeT,
    dsSizeR,
    dsSizeB,
    dsSizeTL,
    dsSizeTR,
    dsSizeBL,
    dsSizeBR,
};

// The sizing cursor for a drag state (crDefault for dsNone).
TCursor DragStateCursor(TDragState state);

// Which parts of the rubber band are shown and can be grabbed (bit set).
using TRBHandles = std::uint16_t;
inline constexpr TRBHandles rhCenter = 0x001;   // pressing inside moves it
inline constexpr TRBHandles rhSides = 0x002;    // handles at the middles of the sides
inline constexpr TRBHandles rhCorners = 0x004;  // handles at the corners
inline constexpr TRBHandles rhFrame = 0x008;    // the dashed outline
inline constexpr TRBHandles rhNotLeftSide = 0x010;
inline constexpr TRBHandles rhNotRightSide = 0x020;
inline constexpr TRBHandles rhNotTopSide = 0x040;
inline constexpr TRBHandles rhNotBottomSide = 0x080;
inline constexpr TRBHandles rhNotTLCorner = 0x100;
inline constexpr TRBHandles rhNotTRCorner = 0x200;
inline constexpr TRBHandles rhNotBLCorner = 0x400;
inline constexpr TRBHandles rhNotBRCorner = 0x800;

class TRubberbandLayer : public TPositionedLayer {
public:
    // Fired on every drag step before the new location is applied; the
    // handler may change newLocation.
    using TRBResizingEvent =
        std::function<void(TRubberbandLayer& sender, const TFloatRect& oldLocation,
                           TFloatRect& newLocation, TDragState dragState, TShiftState shift)>;

    TRubberbandLayer();

    TRBHandles Handles() const { return handles_; }
    void SetHandles(TRBHandles handles);
    // Half the side of a square handle: a handle covers the pixels within
    // HandleSize of its centre.
    int HandleSize() const { return handleSize_; }
    void SetHandleSize(int size);
    TColor32 HandleFill() const { return handleFill_; }
    void SetHandleFill(TColor32 c);
    TColor32 HandleFrame() const { return handleFrame_; }
    void SetHandleFrame(TColor32 c);

    // The dashes of the outline: each pixel of the outline takes the next
    // entry, from FrameStippleCounter() on, advancing by FrameStippleStep().
    std::span<const TColor32> FrameStipple() const { return stipple_; }
    void SetFrameStipple(std::span<const TColor32> pattern);
    double FrameStippleStep() const { return stippleStep_; }
    void SetFrameStippleStep(double step);
    double FrameStippleCounter() const { return stippleCounter_; }
    void SetFrameStippleCounter(double counter);

    // A resize never makes the location narrower or lower than these.
    float MinWidth() const { return minWidth_; }
    void SetMinWidth(float w) { minWidth_ = w; }
    float MinHeight() const { return minHeight_; }
    void SetMinHeight(float h) { minHeight_ = h; }

    // A layer of the same collection that is kept on this layer's location.
    // Attaching wraps the rubber band around it (this layer takes the
    // child's location). A layer of another collection (or any layer while
    // this one is in none) is refused, since its deletion could not be
    // noticed. When the child is deleted it is let go.
    TPositionedLayer* ChildLayer() const { return child_; }
    bool SetChildLayer(TPositionedLayer* child);

    // The drag-state query: what a press at (x, y) would do. A corner handle
    // within HandleSize + 1 pixels resizes by that corner (bottom-right,
    // bottom-left, top-right, top-left in that order of priority), then a
    // side handle (right, bottom, left, top); otherwise a point inside the
    // location moves the layer when the centre handle is present; else
    // dsNone. Subclasses may answer differently.
    virtual TDragState GetDragState(int x, int y) const;

    bool IsDragging() const { return FIsDragging; }
    TDragState DragState() const { return FDragState; }
    const TFloatRect& OldLocation() const { return FOldLocation; }
    TFloatPoint MouseShift() const { return FMouseShift; }

    // The location as the pixels the outline runs on (rounded, in order).
    TRect FrameRect() const { return RoundRect(Location()); }
    // The outline and the handles, which reach HandleSize past it.
    TRect PaintBounds() const override;

    TRBResizingEvent OnResizing;

protected:
    // A point the drag-state query answers something other than dsNone for.
    bool DoHitTest(int x, int y) const override;
    // Starts a drag in the zone under the press (none while one is going).
    void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    // Hovering shows the sizing cursor of the zone; dragging moves or
    // resizes the location from where the drag began.
    void DoMouseMove(TShiftState shift, int x, int y) override;
    void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoPaint(TBitmap32& buffer) override;
    void LayerRemoved(TCustomLayer& layer) override;
    void LocationChanged() override;

    // The location a drag to (x, y) asks for, before OnResizing: a move
    // keeps the size; a resize moves the grabbed edges to the pointer but
    // stops MinWidth / MinHeight short of the opposite edges.
    TFloatRect DragLocation(int x, int y) const;

    bool FIsDragging = false;
    TDragState FDragState = dsNone;
    // The location when the drag began; every drag step starts from it, so
    // rounding never accumulates.
    TFloatRect FOldLocation{};
    // Press point minus the location's top-left for a move, (0, 0) for a
    // resize.
    TFloatPoint FMouseShift{};

private:
    void DrawHandle(TBitmap32& buffer, int cx, int cy) const;
    // Applies a change of how the layer looks and repaints what it covered
    // before and after.
    template <class Change>
    void Restyle(Change change) {
        const TRect before = PaintBounds();
        change();
        BoundsChanged(before, PaintBounds());
    }

    TRBHandles handles_ = rhCenter | rhSides | rhCorners | rhFrame;
    int handleSize_ = 3;
    TColor32 handleFill_ = 0xFFFFFFFFu;
    TColor32 handleFrame_ = 0xFF000000u;
    std::vector<TColor32> stipple_{0xFFFFFFFFu, 0xFFFFFFFFu, 0xFF000000u, 0xFF000000u};
    double stippleStep_ = 1.0;
    double stippleCounter_ = 0.0;
    float minWidth_ = 10;
    float minHeight_ = 10;
    TPositionedLayer* child_ = nullptr;
};

}  // namespace lg
