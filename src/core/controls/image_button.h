// The image button: a windowless control that shows one of its state
// pictures (normal, pressed, hover, disabled, and the same four for the
// latched "down" state), an optional background picture drawn first, an
// optional icon at its right edge and an optional caption. The owner sets
// Down; the button never changes it.
#pragma once

#include <string>

#include "controls/caption_text.h"
#include "controls/graphic_control.h"

namespace lg {

// Which of the four pictures of a set the state shows.
enum class ButtonPictureRole : std::uint8_t { Normal, Down, Move, Disabled };

// The picture for a state: disabled (when it has one), pressed while
// enabled and held, hover while enabled and under the pointer, else normal.
ButtonPictureRole ChooseButtonPicture(bool enabled, bool downing, bool moving,
                                      bool hasDisabledPicture);

class TImageButton : public TGraphicControl {
public:
    TImageButton();

    TAlignment AlignImages = taCenter;
    bool OffsetTextWithDown = false;
    int OffsetIconRigthX = 0;
    int OffsetIconRigthY = 0;
    int OffsetImageX = 0;
    int OffsetImageY = 0;

    const std::u16string& Text() const { return FText; }
    void SetText(std::u16string_view text);
    int OffsetTextX() const { return FOffsetTextX; }
    int OffsetTextY() const { return FOffsetTextY; }
    void SetOffsetTextX(int v);
    void SetOffsetTextY(int v);
    bool IsMultiTextMode() const { return FIsMultiTextMode; }

    bool Down() const { return FDown; }
    void SetDown(bool down);
    bool Moving() const { return FMoving; }
    bool Downing() const { return FDowning; }

    // The pictures are copied; a non-empty one is drawn blended (its
    // transparent parts show what lies below).
    void SetNormalImage(const TBitmap32& b) { SetPicture(FNormalImage, b); }
    void SetDownImage(const TBitmap32& b) { SetPicture(FDownImage, b); }
    void SetMoveImage(const TBitmap32& b) { SetPicture(FMoveImage, b); }
    void SetDisabledImage(const TBitmap32& b) { SetPicture(FDisabledImage, b); }
    void SetNormalImage2(const TBitmap32& b) { SetPicture(FNormalImage2, b); }
    void SetDownImage2(const TBitmap32& b) { SetPicture(FDownImage2, b); }
    void SetMoveImage2(const TBitmap32& b) { SetPicture(FMoveImage2, b); }
    void SetDisabledImage2(const TBitmap32& b) { SetPicture(FDisabledImage2, b); }
    void SetBackgroundImage(const TBitmap32& b) { SetPicture(FBackgroundImage, b); }
    // The icon is copied only: it takes effect at the next repaint.
    void SetIconRigth(const TBitmap32& b);

    const TBitmap32& NormalImage() const { return FNormalImage; }
    const TBitmap32& BackgroundImage() const { return FBackgroundImage; }

    void Paint(TBitmap32& canvas, int originX, int originY) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    // Runs before the pictures, with the canvas and the control's origin.
    std::function<void(TBitmap32& canvas, int originX, int originY)> OnPaint;

protected:
    // Draws `text` as the caption is drawn: placed by AlignImages and the
    // offsets, shifted while latched or pressed.
    void PaintCaption(TBitmap32& canvas, int originX, int originY, std::u16string_view text,
                      const TFontDesc& font, int offsetX, int offsetY);
    // +1 right and down when latched; a further +2 while pressed with
    // OffsetTextWithDown.
    int PressShift() const;

    bool FIsMultiTextMode = false;

private:
    void SetPicture(TBitmap32& field, const TBitmap32& b);
    const TBitmap32& StatePicture() const;
    bool InsideHeld(TShiftState shift, int x, int y) const;

    std::u16string FText;
    int FOffsetTextX = 0;
    int FOffsetTextY = 0;
    TBitmap32 FIconRigth;
    bool FMoving = false;
    bool FDowning = false;
    bool FDown = false;
    TBitmap32 FNormalImage, FDownImage, FMoveImage, FDisabledImage;
    TBitmap32 FNormalImage2, FDownImage2, FMoveImage2, FDisabledImage2;
    TBitmap32 FBackgroundImage;
};

// The image button with a second caption line in its own font and offsets
// (the settings window's page buttons).
class TImageButton2 : public TImageButton {
public:
    const std::u16string& Text2() const { return FText2; }
    // Also sets the multi-line flag shared with Text: the text set last
    // decides it for both.
    void SetText2(std::u16string_view text);
    const TFontDesc& FontText2() const { return FText2Font; }
    void SetFontText2(const TFontDesc& font) { FText2Font = font; }
    int OffsetText2X() const { return FOffsetText2X; }
    int OffsetText2Y() const { return FOffsetText2Y; }
    void SetOffsetText2X(int v);
    void SetOffsetText2Y(int v);

    void Paint(TBitmap32& canvas, int originX, int originY) override;

private:
    std::u16string FText2;
    TFontDesc FText2Font;
    int FOffsetText2X = 0;
    int FOffsetText2Y = 0;
};

}  // namespace lg
