#include "upload/upload_fault.h"

namespace lg::srv {

int UploadFaultStatus(UploadFault fault) {
    switch (fault) {
        case UploadFault::None:
            return 200;
        case UploadFault::NotAPicture:
        case UploadFault::FormatMismatch:
            return 415;
        case UploadFault::TooLarge:
            return 413;
        case UploadFault::RateLimited:
            return 429;
        case UploadFault::StorageFailed:
            return 500;
        default:
            return 400;
    }
}

std::string_view UploadFaultText(UploadFault fault) {
    switch (fault) {
        case UploadFault::None:
            return "";
        case UploadFault::Malformed:
            return "the request is not a complete multipart form";
        case UploadFault::MissingPart:
            return "the form lacks user_hash, format or filescreen";
        case UploadFault::DuplicatePart:
            return "a part of the form is given twice";
        case UploadFault::UnexpectedPart:
            return "the form has a part this server does not take";
        case UploadFault::BadUserHash:
            return "user_hash must be 32 lower-case hexadecimal digits";
        case UploadFault::BadFormat:
            return "format must be .PNG or .JPG";
        case UploadFault::BadFileName:
            return "the file name is not a plain name";
        case UploadFault::NotAPicture:
            return "the file is not a PNG or JPEG picture";
        case UploadFault::FormatMismatch:
            return "the file is not in the format the form names";
        case UploadFault::TooLarge:
            return "the picture is larger than this server takes";
        case UploadFault::RateLimited:
            return "too many uploads; try again in a minute";
        case UploadFault::StorageFailed:
            return "the server could not store the picture";
    }
    return "refused";
}

}  // namespace lg::srv
