// The running program's version, from its own version resource.
#pragma once

#include <string>

namespace lg::win {

// The file version of the file at `path`: "major.minor" when `shortForm`,
// else "major.minor.release.build", each number in decimal. Empty when the
// file has no readable version resource.
std::u16string FileVersionOf(const std::wstring& path, bool shortForm);

// The same for the running executable (2.0, or 2.0.0.0 in full).
std::u16string GetProgramVersion(bool shortForm);

}  // namespace lg::win
