// The windowless controls the information windows add to the shared ones:
// a label that centres its text and reports the mouse, and an image
// button that reports the pointer entering and leaving it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "controls/caption_text.h"
#include "controls/graphic_control.h"
#include "controls/image_button.h"

namespace lg::win {

class TInfoLabel : public TGraphicControl {
public:
    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string_view caption);

    // Each line placed left, centred or right in the label's width.
    TAlignment Alignment = taLeftJustify;
    // The block of lines centred in the label's height, else at its top.
    bool CentreVertically = false;
    // Whether the label takes the mouse; a label that does not lets a press
    // on it move the window, like the background around it.
    bool TakesMouse = false;

    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;
    // The pointer's position relative to the label.
    std::function<void(int x, int y)> OnMouseDownAt;
    std::function<void(int x, int y)> OnMouseMoveAt;
    std::function<void(int x, int y)> OnMouseUpAt;

    void Paint(TBitmap32& canvas, int originX, int originY) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    std::u16string caption_;
};

class THoverImageButton : public TImageButton {
public:
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    void MouseEnter() override;
    void MouseLeave() override;
};

}  // namespace lg::win
