// A picker window beside the palette: a floating panel without a frame
// whose outline is cut out of its background picture, upright when it
// opens below the palette and upside down when it opens above it, so that
// its pointer always faces the palette. It never takes the activation, so
// the keyboard stays with the capture window through every change.
#pragma once

#include "controls/floating_panel.h"
#include "raster/bitmap32.h"

namespace lg::win {

class ShapedPicker : public FloatingPanel {
public:
    ShapedPicker(const wchar_t* className, TSize size96)
        : FloatingPanel(className, size96.cx, size96.cy) {}

    // Creates the hidden window, owned by `owner`.
    bool CreatePicker(HWND owner);
    // Shapes the window (upside down when `flip`), moves the controls to
    // match and shows it in front. The caller has placed it.
    void Show(bool flip);
    bool Flipped() const { return flip_; }

    // Runs as Show makes the window visible: the controls take the
    // current values.
    virtual void FormShow() {}

protected:
    // The background picture at the scale, upright.
    virtual TBitmap32 DrawBackground(DisplayScale scale) const = 0;
    // The colour outside the shape, read from the upright picture.
    virtual TColor32 CutOutColor(const TBitmap32& upright) const = 0;
    // Draws the controls' pictures at Scale(): once per scale.
    virtual void DrawControls() = 0;
    // Puts the controls where the table says for `flip` at Scale().
    virtual void PlaceControls(bool flip) = 0;

    void LayoutControls() override;
    bool MovesByBackground() const override { return false; }

private:
    // The picture and the window's shape at the present scale and flip.
    void Reshape();

    TBitmap32 picture_;  // as shown: upside down when flipped
    bool flip_ = false;
};

}  // namespace lg::win
