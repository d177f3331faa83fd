// The fonts and text colours the information windows share.
#pragma once

#include "raster/color32.h"

namespace lg::win {

inline constexpr char16_t kNotoSans[] = u"Noto Sans";
inline constexpr char16_t kRoboto[] = u"Roboto";
inline constexpr char16_t kOpenSans[] = u"Open Sans";

inline constexpr TColor32 kWhite = Color32(255, 255, 255);
// The windows' titles (13418936).
inline constexpr TColor32 kTitleColour = Color32(184, 193, 204);
// The program's version (10908495).
inline constexpr TColor32 kVersionColour = Color32(79, 115, 166);
// The about window's second line (8155498).
inline constexpr TColor32 kQuietColour = Color32(106, 113, 124);
// "Оценить позже", and under the pointer (11711154, 14079702).
inline constexpr TColor32 kLaterColour = Color32(178, 178, 178);
inline constexpr TColor32 kLaterHoverColour = Color32(214, 214, 214);

}  // namespace lg::win
