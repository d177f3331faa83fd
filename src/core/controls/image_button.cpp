#include "controls/image_button.h"

#include "controls/caption_text.h"

namespace lg {

ButtonPictureRole ChooseButtonPicture(bool enabled, bool downing, bool moving,
                                      bool hasDisabledPicture) {
    if (!enabled && hasDisabledPicture) return ButtonPictureRole::Disabled;
    if (enabled && downing) return ButtonPictureRole::Down;
    if (enabled && moving) return ButtonPictureRole::Move;
    return ButtonPictureRole::Normal;
}

TImageButton::TImageButton() {
    SetBounds(0, 0, 32, 32);
}

void TImageButton::SetText(std::u16string_view text) {
    if (text == FText) return;
    FText = text;
    FIsMultiTextMode = FText.find(u'\r') != std::u16string::npos;
    Invalidate();
}

void TImageButton::SetOffsetTextX(int v) {
    if (v == FOffsetTextX) return;
    FOffsetTextX = v;
    Invalidate();
}

void TImageButton::SetOffsetTextY(int v) {
    if (v == FOffsetTextY) return;
    FOffsetTextY = v;
    Invalidate();
}

void TImageButton::SetDown(bool down) {
    if (down == FDown) return;
    FDown = down;
    Invalidate();
}

void TImageButton::SetPicture(TBitmap32& field, const TBitmap32& b) {
    field = b;
    if (!field.Empty()) field.SetDrawMode(dmBlend);
    Invalidate();
}

void TImageButton::SetIconRigth(const TBitmap32& b) {
    FIconRigth = b;
    if (!FIconRigth.Empty()) FIconRigth.SetDrawMode(dmBlend);
}

const TBitmap32& TImageButton::StatePicture() const {
    const bool latched = FDown;
    const TBitmap32& disabled = latched ? FDisabledImage2 : FDisabledImage;
    switch (ChooseButtonPicture(Enabled(), FDowning, FMoving, !disabled.Empty())) {
        case ButtonPictureRole::Disabled:
            return disabled;
        case ButtonPictureRole::Down:
            return latched ? FDownImage2 : FDownImage;
        case ButtonPictureRole::Move:
            return latched ? FMoveImage2 : FMoveImage;
        case ButtonPictureRole::Normal:
            break;
    }
    return latched ? FNormalImage2 : FNormalImage;
}

int TImageButton::PressShift() const {
    int shift = FDown ? 1 : 0;
    if (OffsetTextWithDown && FDowning) shift += 2;
    return shift;
}

void TImageButton::Paint(TBitmap32& canvas, int originX, int originY) {
    canvas.SetFont(Font);
    if (OnPaint) OnPaint(canvas, originX, originY);

    // The state picture's place always follows the normal picture's size.
    const int w = FNormalImage.Width(), h = FNormalImage.Height();
    int x = OffsetImageX;
    if (AlignImages == taRightJustify) x = Width() - w + OffsetImageX;
    if (AlignImages == taCenter) x = (Width() - w) / 2 + OffsetImageX;
    const int y = (Height() - h) / 2 + OffsetImageY;

    if (!FBackgroundImage.Empty()) canvas.Draw(originX, originY, FBackgroundImage);
    const TBitmap32& picture = StatePicture();
    if (!picture.Empty()) canvas.Draw(originX + x, originY + y, picture);

    if (FIconRigth.Width() > 0) {
        const int shift = PressShift();
        const int ix = Width() - FIconRigth.Width() + OffsetIconRigthX + OffsetImageX + shift;
        const int iy =
            (Height() - FIconRigth.Height()) / 2 + OffsetIconRigthY + OffsetImageY + shift;
        canvas.Draw(originX + ix, originY + iy, FIconRigth);
    }

    if (!FText.empty())
        PaintCaption(canvas, originX, originY, FText, Font, FOffsetTextX, FOffsetTextY);
}

void TImageButton::PaintCaption(TBitmap32& canvas, int originX, int originY,
                                std::u16string_view text, const TFontDesc& font, int offsetX,
                                int offsetY) {
    canvas.SetFont(font);
    const TSize size = FIsMultiTextMode ? MeasureCaptionBlock(canvas, text)
                                        : TSize{canvas.TextWidth(text), canvas.TextHeight(text)};
    int x = offsetX + OffsetImageX;
    if (AlignImages == taRightJustify) x = Width() - size.cx + offsetX + OffsetImageX;
    if (AlignImages == taCenter) x = (Width() - size.cx) / 2 + offsetX + OffsetImageX;
    int y = (Height() - size.cy) / 2 + offsetY + OffsetImageY;
    const int shift = PressShift();
    x += shift;
    y += shift;
    if (FIsMultiTextMode) {
        DrawCaptionBlock(canvas, originX + x, originY + y, text, AlignImages);
    } else {
        canvas.Textout(originX + x, originY + y, text);
    }
}

void TImageButton::MouseEnter() {
    FMoving = true;
    Invalidate();
}

void TImageButton::MouseLeave() {
    FMoving = false;
    Invalidate();
}

bool TImageButton::InsideHeld(TShiftState shift, int x, int y) const {
    // Bounds inclusive, as the pressed look has always been.
    return (shift & ssLeft) != 0 && x >= 0 && x <= Width() && y >= 0 && y <= Height();
}

void TImageButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    FDowning = InsideHeld(shift, x, y);
    Invalidate();
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TImageButton::MouseMove(TShiftState shift, int x, int y) {
    constexpr TShiftState kHeld = ssShift | ssAlt | ssCtrl | ssLeft | ssRight | ssMiddle;
    if (shift & kHeld) {
        FDowning = InsideHeld(shift, x, y);
        Invalidate();
    }
    TGraphicControl::MouseMove(shift, x, y);
}

void TImageButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    FDowning = false;
    Invalidate();
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TImageButton2::SetText2(std::u16string_view text) {
    if (text == FText2) return;
    FText2 = text;
    FIsMultiTextMode = FText2.find(u'\r') != std::u16string::npos;
    Invalidate();
}

void TImageButton2::SetOffsetText2X(int v) {
    if (v == FOffsetText2X) return;
    FOffsetText2X = v;
    Invalidate();
}

void TImageButton2::SetOffsetText2Y(int v) {
    if (v == FOffsetText2Y) return;
    FOffsetText2Y = v;
    Invalidate();
}

void TImageButton2::Paint(TBitmap32& canvas, int originX, int originY) {
    TImageButton::Paint(canvas, originX, originY);
    if (!FText2.empty()) {
        PaintCaption(canvas, originX, originY, FText2, FText2Font, FOffsetText2X, FOffsetText2Y);
    }
}

}  // namespace lg
