// The window that shows a TImgView32: it paints the view's bitmap and
// visible layers, repainting only what the view marks dirty, and turns
// window mouse and key messages into view events.
#pragma once

#include <windows.h>

#include <functional>

#include "layers/img_view32.h"
#include "platform/window.h"
#include "raster/bitmap32.h"

namespace lg::win {

class ImgViewControl : public Window {
public:
    explicit ImgViewControl(TImgView32& view);
    ~ImgViewControl() override;

    // A child control of `parent` at the given client rectangle.
    bool CreateControl(HWND parent, int x, int y, int width, int height);
    // Moves and sizes the control; the view's client area follows.
    void SetBounds(int x, int y, int width, int height);
    // Lets the back buffer go while nothing shows; the next SetBounds
    // sizes it again.
    void ReleaseBuffer() { buffer_.SetSize(0, 0); }
    const TBitmap32& BackBuffer() const { return buffer_; }

    // The cursor shown for crCross (the capture's cross-hair); null for
    // the system's.
    void SetCrossCursor(HCURSOR cursor) { crossCursor_ = cursor; }

    // Called after each WM_PAINT has put its pixels on the screen: work
    // that must not delay a frame waits for it.
    std::function<void()> OnPainted;

    // Paints every dirty area now instead of waiting for WM_PAINT.
    void Flush();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool OnPaint() override;
    bool OnSetCursor();
    static TShiftState ShiftNow();

    TImgView32& view_;
    TBitmap32 buffer_;  // the back buffer, in view coordinates
    HCURSOR crossCursor_ = nullptr;
};

// The system cursor for a view cursor id (crDefault gives the arrow).
HCURSOR SystemCursorFor(TCursor c);

}  // namespace lg::win
