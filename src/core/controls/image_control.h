// A picture on a window: drawn blended at the top-left, or centred in the
// control's bounds. It takes no mouse input of its own.
#pragma once

#include "controls/graphic_control.h"

namespace lg {

class TImage : public TGraphicControl {
public:
    bool Center = false;

    const TBitmap32& Picture() const { return picture_; }
    void SetPicture(const TBitmap32& picture) {
        picture_ = picture;
        picture_.SetDrawMode(dmBlend);
        Invalidate();
    }

    void Paint(TBitmap32& canvas, int originX, int originY) override {
        if (picture_.Empty()) return;
        int x = originX, y = originY;
        if (Center) {
            x += (Width() - picture_.Width()) / 2;
            y += (Height() - picture_.Height()) / 2;
        }
        canvas.Draw(x, y, picture_);
    }

private:
    TBitmap32 picture_;
};

}  // namespace lg
