// The image view's model: a bitmap with a stack of layers on it, painted on
// request and driven by mouse and key events in view coordinates.
//
// The view belongs to no window. A host control:
//   1. tells it its client size (SetClientSize) and listens to
//      OnInvalidate, turning each rectangle into a repaint request;
//   2. on a paint request calls PaintDirtyRects (or PaintArea for an
//      exposed rectangle) on its back buffer and copies the buffer out;
//   3. forwards presses, moves, releases and keys, and shows
//      CurrentCursor();
//   4. keeps the system's mouse capture while Capturing(), and calls
//      CaptureLost when another window takes it, so a drag never outlives
//      the buttons that made it.
// The view is shown unscaled and aligned top-left, so view coordinates are
// the bitmap's pixel coordinates.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "layers/custom_layer.h"
#include "layers/dirty_region.h"
#include "layers/input.h"
#include "layers/layer_collection.h"
#include "raster/bitmap32.h"

namespace lg {

class TImgView32 {
public:
    // The view's own events, raised after the layers have handled the same
    // event, with the layer that took it (null when none did, or when it was
    // freed while handling it).
    using TImgMouseEvent =
        std::function<void(TMouseButton, TShiftState, int x, int y, TCustomLayer* layer)>;
    using TImgMouseMoveEvent = std::function<void(TShiftState, int x, int y, TCustomLayer* layer)>;
    // The handler may change or clear (0) the key.
    using TKeyPressEvent = std::function<void(char16_t& key)>;
    using TKeyEvent = std::function<void(std::uint16_t& key, TShiftState)>;
    // `delta` as the wheel gives it: 120 a notch, positive away from the user.
    using TMouseWheelEvent = std::function<void(TShiftState, int delta)>;
    using TInvalidateEvent = std::function<void(const TRect& area)>;

    TImgView32();
    ~TImgView32();
    TImgView32(const TImgView32&) = delete;
    TImgView32& operator=(const TImgView32&) = delete;

    // ---- Picture -----------------------------------------------------
    // The base picture, drawn below every layer by its own draw mode.
    // After drawing into it directly, call Invalidate (or InvalidateRect).
    TBitmap32& Bitmap() {
        ++bitmapGeneration_;
        return bitmap_;
    }
    const TBitmap32& Bitmap() const { return bitmap_; }
    // Changes whenever the picture may have changed (SetBitmap, and every
    // use of the writable Bitmap()), so that a layer keeping something
    // worked out from the picture knows when to work it out again.
    std::uint64_t BitmapGeneration() const { return bitmapGeneration_; }
    // Copies size, pixels and drawing properties of src; repaints all.
    void SetBitmap(const TBitmap32& src);

    TLayerCollection& Layers() { return layers_; }
    const TLayerCollection& Layers() const { return layers_; }

    // Shown where the bitmap does not cover the view. Opaque black.
    TColor32 Color() const { return color_; }
    void SetColor(TColor32 c);

    // The host's client area, (0, 0, width, height). Until the host sets
    // one it is the bitmap's bounds. Dirty rectangles are cut to it.
    void SetClientSize(int width, int height);
    TRect ClientRect() const;

    // ---- Painting ----------------------------------------------------
    // The bitmap and every visible layer, bottom to top, with view point
    // (0, 0) at destRect's top-left, into destRect (cut to dest's clip
    // rectangle). Pixels of dest outside it are untouched. Throws
    // RasterError only when destRect is not at dest's origin and the
    // scratch bitmap that needs cannot be had.
    void PaintTo(TBitmap32& dest, const TRect& destRect);
    // Repaints the view area `area` in a buffer laid out in view
    // coordinates (the host's back buffer); nothing outside it changes.
    void PaintArea(TBitmap32& buffer, const TRect& area);
    // Takes the dirty rectangles together with `exposed` (what the system
    // asks to be painted, if anything), merged so that no pixel is painted
    // twice, repaints each into the buffer in one painting pass, and
    // returns them for the host to copy out.
    std::vector<TRect> PaintDirtyRects(TBitmap32& buffer, const TRect& exposed = TRect{});
    // True while a paint is running (layers' paint routines and hooks).
    bool Painting() const { return painting_ > 0; }

    // ---- Dirty rectangles ------------------------------------------
    // Changes made while painting (a layer that redraws in its paint hook)
    // cannot simply mark the view dirty: the next paint would run the hook
    // again, forever. They are held back until the paint ends and then
    // marked once; the changes made by the paint that follows are dropped.
    // So every change from outside painting costs at most one extra paint,
    // and the lower layers still get to show what a hook drew into them.
    void Invalidate();
    void InvalidateRect(const TRect& area);
    bool HasDirtyRects() const { return !dirty_.Empty(); }
    std::vector<TRect> TakeDirtyRects() { return dirty_.Take(); }
    // Fired for every rectangle that becomes dirty (already cut to the
    // client area).
    TInvalidateEvent OnInvalidate;

    // How many times a paint ran a layer's OnPaint hook, since the view was
    // made; for tests that count the redraws a drag costs.
    std::uint64_t PaintHookRunsForTest() const { return paintHookRuns_; }

    // ---- Cursor ------------------------------------------------------
    // The view's own cursor, shown where nothing else decides.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c) { cursor_ = c; }
    // The application-wide override layers set while the mouse is over
    // them; crDefault means none.
    TCursor ScreenCursor() const { return screenCursor_; }
    void SetScreenCursor(TCursor c) { screenCursor_ = c; }
    // What the host shows: the override, else the cursor of the layer that
    // has or last took the mouse, else the view's own.
    TCursor CurrentCursor() const;

    // ---- Input -------------------------------------------------------
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void KeyPress(char16_t& key);
    void KeyDown(std::uint16_t& key, TShiftState shift);
    void MouseWheel(TShiftState shift, int delta);

    // A button pressed here is still down: the host holds the mouse.
    bool Capturing() const { return !held_.empty(); }
    // The host lost the mouse (another window took it, a dialog opened):
    // the buttons still down are released as a real release would be, at
    // the last pointer position with the last modifier keys, the button
    // that began the drag first. Layers and OnMouseUp see ordinary
    // releases, so a drag ends exactly as when the button comes up. Does
    // nothing when no button is down.
    void CaptureLost();

    TImgMouseEvent OnMouseDown;
    TImgMouseMoveEvent OnMouseMove;
    TImgMouseEvent OnMouseUp;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyDown;
    TMouseWheelEvent OnMouseWheel;

private:
    friend class PaintSession;

    void Render(TBitmap32& dest, const TRect& area);
    void NotePointer(TShiftState shift, int x, int y);
    void MarkDirty(const TRect& area);
    void EndPaint();

    TBitmap32 bitmap_;
    std::uint64_t bitmapGeneration_ = 0;
    TColor32 color_ = 0xFF000000u;
    int clientWidth_ = -1;
    int clientHeight_ = -1;
    TCursor cursor_ = crDefault;
    TCursor screenCursor_ = crDefault;
    TDirtyRegion dirty_;
    TDirtyRegion heldBack_;
    int painting_ = 0;
    std::uint64_t paintHookRuns_ = 0;
    // Whether the changes held back by a paint may still be marked: set by
    // every change from outside painting, spent by the first paint that
    // holds something back.
    bool followUpAllowed_ = false;
    // Buttons pressed here and not yet released, in the order pressed; and
    // where the pointer was last seen, for releasing them if the host loses
    // the mouse.
    std::vector<TMouseButton> held_;
    TShiftState lastShift_ = 0;
    int lastX_ = 0;
    int lastY_ = 0;
    // Last, so it goes first: layers are freed while the view's other parts
    // still exist.
    TLayerCollection layers_{this};
};

}  // namespace lg
