#include "tools/shaped_picker.h"

#include "art/picker_shape.h"
#include "platform/bitmap_region.h"

namespace lg::win {

bool ShapedPicker::CreatePicker(HWND owner) {
    Controls().OnPaintBackground = [this](TBitmap32& surface) {
        if (!picture_.Empty()) surface.Draw(0, 0, picture_);
    };
    return CreatePanel(owner);
}

void ShapedPicker::Show(bool flip) {
    if (!hwnd()) return;
    // The shape and places change only with the flip; the scale's changes
    // come through LayoutControls.
    if (flip != flip_ || picture_.Empty()) {
        flip_ = flip;
        Reshape();
        PlaceControls(flip_);
    }
    Controls().UpdateHints();
    FormShow();
    InvalidateRect(hwnd(), nullptr, FALSE);
    ShowPanel();
}

void ShapedPicker::LayoutControls() {
    Reshape();
    DrawControls();
    PlaceControls(flip_);
}

void ShapedPicker::Reshape() {
    if (!hwnd()) return;
    TBitmap32 picture = DrawBackground(Scale());
    const TColor32 cutOut = CutOutColor(picture);
    if (flip_) art::FlipBitmapVertically(picture);
    // The window owns the region from here on and deletes the one the
    // previous shaping gave it.
    UniqueGdiObject region = BitmapToRegion(picture, cutOut);
    if (SetWindowRgn(hwnd(), static_cast<HRGN>(region.get()), TRUE)) region.release();
    picture_ = std::move(picture);
}

}  // namespace lg::win
