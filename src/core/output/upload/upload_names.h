// The names one upload carries: the per-machine user hash and the file
// name of the picture part.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lg {

// The upload file name's random number is drawn from 0 to this, both ends
// included.
inline constexpr int kUploadNameRandomMax = 9999998;

// "TMP_SCREEN_NAME" and the MD5 hex of `random`'s decimal text. No
// extension: the server learns the type from the format part.
std::string UploadFileName(int random);

// The user hash: the MD5 hex of the system volume's serial number as
// unsigned decimal text; an unreadable serial gives the digest of the
// empty text, so such a machine still sends a well-formed hash.
std::string SystemHashOfSerial(std::optional<std::uint32_t> serial);

// The root of the volume holding `windowsDirectory` ("C:\" from
// "C:\Windows"): the first three characters of the trimmed text, trimmed
// again; "c:\" when that leaves nothing.
std::u16string SystemVolumeRoot(std::u16string_view windowsDirectory);

}  // namespace lg
