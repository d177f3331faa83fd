#include "info/info_pictures.h"

#include <algorithm>
#include <vector>

#include "app/app_icon.h"
#include "art/art_colors.h"
#include "art/info_art.h"
#include "controls/image_button_art.h"

namespace lg::win {

TBitmap32 ProgramIconPicture(int size96, const DisplayScale& scale) {
    const int size = scale.Px(size96);
    TBitmap32 picture;
    const std::vector<uint32_t> pixels = DrawAppIcon(size);
    if (pixels.empty()) return picture;
    picture.SetSize(size, size);
    std::copy(pixels.begin(), pixels.end(), picture.Bits());
    return picture;
}

void MakeLinkButton(TImageButton& b, TSize size96, TFontDesc font, const DisplayScale& scale) {
    SetPlainPictures(b, art::DrawLinkButton(size96.cx, size96.cy, scale).plain);
    b.AlignImages = taLeftJustify;
    b.SetOffsetTextX(scale.Px(art::kLinkCaptionLeft));
    font.Color = art::kAccent;
    font.Style |= fsUnderline;
    b.Font = font;
    b.Cursor = crHandPoint;
}

void MakeCloseButton(TImageButton& b, int width96, int height96, const DisplayScale& scale) {
    // The small windows' thin cross; the 38 px one of the rating window is
    // the output panel's.
    const art::Glyph glyph = width96 >= 38 ? art::Glyph::Close : art::Glyph::CloseSmall;
    SetPlainPictures(b, art::DrawGlyphButton(glyph, width96, height96, scale).plain);
    b.Hint = u"Закрыть";
    b.Cursor = crHandPoint;
}

}  // namespace lg::win
