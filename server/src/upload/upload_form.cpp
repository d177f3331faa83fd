#include "upload/upload_form.h"

#include <cstdint>
#include <span>

#include "upload/part_rules.h"

namespace lg::srv {
namespace {

// Room for the two short text parts beside the picture; anything longer
// than this in one of them is no user hash or format tag anyway.
constexpr size_t kTextPartMax = 64;

}  // namespace

bool UploadForm::BeginPart(std::string_view name, std::string_view fileName) {
    EndPart();
    if (fault_ != UploadFault::None) return true;
    bool* seen = nullptr;
    if (name == "user_hash") {
        current_ = Part::UserHash;
        seen = &seenHash_;
    } else if (name == "format") {
        current_ = Part::Format;
        seen = &seenFormat_;
    } else if (name == "filescreen") {
        current_ = Part::File;
        seen = &seenFile_;
        if (!IsPlainFileName(fileName)) Refuse(UploadFault::BadFileName);
    } else {
        Refuse(UploadFault::UnexpectedPart);
        return true;
    }
    if (*seen) Refuse(UploadFault::DuplicatePart);
    *seen = true;
    return true;
}

bool UploadForm::AddData(std::string_view data) {
    received_ += data.size();
    if (received_ > maxFileBytes_ + 2 * kTextPartMax) {
        Refuse(UploadFault::TooLarge);
        return false;
    }
    if (fault_ != UploadFault::None) return true;
    switch (current_) {
        case Part::UserHash:
        case Part::Format: {
            std::string& text = current_ == Part::UserHash ? userHash_ : format_;
            if (text.size() + data.size() > kTextPartMax) {
                Refuse(current_ == Part::UserHash ? UploadFault::BadUserHash
                                                  : UploadFault::BadFormat);
                return true;
            }
            text.append(data);
            return true;
        }
        case Part::File:
            if (bytes_.size() + data.size() > maxFileBytes_) {
                Refuse(UploadFault::TooLarge);
                return true;
            }
            bytes_.append(data);
            return true;
        case Part::None:
            Refuse(UploadFault::Malformed);
            return true;
    }
    return true;
}

void UploadForm::EndPart() {
    if (current_ == Part::UserHash && fault_ == UploadFault::None && !IsUserHash(userHash_)) {
        Refuse(UploadFault::BadUserHash);
    }
    current_ = Part::None;
}

std::optional<std::string_view> UploadForm::CompletedUserHash() const {
    if (!seenHash_ || current_ == Part::UserHash || !IsUserHash(userHash_)) return std::nullopt;
    return std::string_view(userHash_);
}

void UploadForm::Refuse(UploadFault fault) {
    if (fault_ == UploadFault::None) fault_ = fault;
}

UploadFault UploadForm::Finish(bool bodyComplete) {
    EndPart();
    if (fault_ != UploadFault::None) return fault_;
    if (!bodyComplete) {
        Refuse(UploadFault::Malformed);
        return fault_;
    }
    if (!seenHash_ || !seenFormat_ || !seenFile_) {
        Refuse(UploadFault::MissingPart);
        return fault_;
    }
    const std::optional<PictureFormat> named = ParseFormatTag(format_);
    if (!named) {
        Refuse(UploadFault::BadFormat);
        return fault_;
    }
    const auto* data = reinterpret_cast<const uint8_t*>(bytes_.data());
    const std::optional<PictureHeader> header = ReadPictureHeader(std::span(data, bytes_.size()));
    if (!header) {
        Refuse(UploadFault::NotAPicture);
    } else if (header->format != *named) {
        Refuse(UploadFault::FormatMismatch);
    } else {
        header_ = *header;
    }
    return fault_;
}

CheckedUpload UploadForm::Take() {
    return CheckedUpload{std::move(userHash_), header_, std::move(bytes_)};
}

}  // namespace lg::srv
