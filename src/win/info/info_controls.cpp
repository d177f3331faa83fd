#include "info/info_controls.h"

namespace lg::win {

void TInfoLabel::SetCaption(std::u16string_view caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    Invalidate();
}

void TInfoLabel::Paint(TBitmap32& canvas, int originX, int originY) {
    if (caption_.empty()) return;
    canvas.SetFont(Font);
    const TSize block = MeasureCaptionBlock(canvas, caption_);
    const int y = CentreVertically ? (Height() - block.cy) / 2 : 0;
    int x = 0;
    if (Alignment == taCenter) x = (Width() - block.cx) / 2;
    if (Alignment == taRightJustify) x = Width() - block.cx;
    DrawCaptionBlock(canvas, originX + x, originY + y, caption_, Alignment);
}

void TInfoLabel::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter();
}

void TInfoLabel::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave();
}

void TInfoLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button == mbLeft && OnMouseDownAt) OnMouseDownAt(x, y);
}

void TInfoLabel::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (OnMouseMoveAt) OnMouseMoveAt(x, y);
}

void TInfoLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    // The handler first: a click may close the window and end the label's
    // part in it.
    if (button == mbLeft && OnMouseUpAt) OnMouseUpAt(x, y);
    TGraphicControl::MouseUp(button, shift, x, y);
}

void THoverImageButton::MouseEnter() {
    TImageButton::MouseEnter();
    if (OnMouseEnter) OnMouseEnter();
}

void THoverImageButton::MouseLeave() {
    TImageButton::MouseLeave();
    if (OnMouseLeave) OnMouseLeave();
}

}  // namespace lg::win
