// Whether the program can write into a folder: tried for real, by creating
// a new file there and removing it again, because the folder's attributes
// and access lists do not tell (a read-only attribute on a folder means
// nothing, a share or a policy may refuse what the lists allow).
#pragma once

#include <string>
#include <string_view>

namespace lg::win {

// The name of the probe file in `folder`: two seven-digit numbers, 1000000
// + `r1` and 1000000 + `r2` (each below 1000000), written one after the
// other, after one separator.
std::wstring WritabilityProbePath(std::wstring_view folder, int r1, int r2);

// True when a new file could be created in `folder` (under a random probe
// name, freshly drawn on every call); the file is closed and deleted at
// once, so nothing is left behind. False for a missing folder, a file, or
// a folder that refuses new files.
bool FolderIsWritable(std::wstring_view folder);

}  // namespace lg::win
