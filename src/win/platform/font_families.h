// The names of the font families this process can use: the installed ones
// and the private ones the program loaded from its own folder.
#pragma once

#include <string>
#include <vector>

namespace lg::win {

// Sorted without regard to case, each name once; the vertical forms of
// East Asian families ("@...") are left out.
std::vector<std::u16string> InstalledFontFamilies();

}  // namespace lg::win
