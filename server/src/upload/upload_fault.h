// Why an upload was refused: one value per rule, each with the status and
// the text of the JSON "error" the client receives.
#pragma once

#include <string_view>

namespace lg::srv {

enum class UploadFault {
    None,
    Malformed,       // not a complete multipart form
    MissingPart,     // user_hash, format or filescreen absent
    DuplicatePart,   // a part name given twice
    UnexpectedPart,  // a part the form does not have
    BadUserHash,     // not 32 lower-case hexadecimal digits
    BadFormat,       // neither ".PNG" nor ".JPG"
    BadFileName,     // empty, too long, or not a plain name
    NotAPicture,     // the bytes are no PNG or JPEG
    FormatMismatch,  // the bytes are the other format than "format" says
    TooLarge,        // over the size cap
    RateLimited,     // too many uploads from this hash or address
    StorageFailed,   // the server could not keep the picture
};

[[nodiscard]] int UploadFaultStatus(UploadFault fault);
[[nodiscard]] std::string_view UploadFaultText(UploadFault fault);

}  // namespace lg::srv
