// The per-machine user hash every upload carries.
#pragma once

#include <string>

namespace lg::win {

// The MD5 hex of the serial number of the volume holding the Windows
// folder, as unsigned decimal text; the digest of the empty text when the
// volume cannot be read.
std::string SystemHash();

}  // namespace lg::win
