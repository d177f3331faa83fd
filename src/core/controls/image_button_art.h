// Gives an image button its drawn pictures: both sets when the button can
// be latched, the plain set otherwise.
#pragma once

#include "art/button_art.h"
#include "controls/image_button.h"

namespace lg {

inline void SetPlainPictures(TImageButton& b, const art::StatePictures& p) {
    b.SetNormalImage(p.normal);
    b.SetDownImage(p.down);
    b.SetMoveImage(p.move);
    b.SetDisabledImage(p.disabled);
}

inline void SetButtonArt(TImageButton& b, const art::ButtonArt& a) {
    SetPlainPictures(b, a.plain);
    b.SetNormalImage2(a.latched.normal);
    b.SetDownImage2(a.latched.down);
    b.SetMoveImage2(a.latched.move);
    b.SetDisabledImage2(a.latched.disabled);
}

}  // namespace lg
