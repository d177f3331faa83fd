// Gathers the three parts of an upload as the multipart reader hands them
// over, and checks them once the body has ended. After a refusal the rest
// of the body is still taken in and dropped (up to the size cap), so the
// client reads a clean reply instead of a reset connection.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "picture/picture_header.h"
#include "upload/upload_fault.h"

namespace lg::srv {

// An upload that passed every rule.
struct CheckedUpload {
    std::string userHash;
    PictureHeader header;
    std::string bytes;
};

class UploadForm {
public:
    explicit UploadForm(size_t maxFileBytes) : maxFileBytes_(maxFileBytes) {}

    // A part begins. False when reading must stop (the body outgrew the cap).
    bool BeginPart(std::string_view name, std::string_view fileName);
    // Bytes of the current part. False when reading must stop.
    bool AddData(std::string_view data);

    // The user hash once its part has ended and is well-formed, so a rate
    // limit can answer before the picture is taken in.
    [[nodiscard]] std::optional<std::string_view> CompletedUserHash() const;

    // Refuses the upload (the first reason given stays).
    void Refuse(UploadFault fault);

    // Ends the form: `bodyComplete` says whether the reader saw the closing
    // boundary. Checks every rule not checked yet.
    [[nodiscard]] UploadFault Finish(bool bodyComplete);
    [[nodiscard]] UploadFault fault() const { return fault_; }

    // The checked upload; only after Finish returned None.
    [[nodiscard]] CheckedUpload Take();

private:
    enum class Part { None, UserHash, Format, File };
    void EndPart();

    size_t maxFileBytes_;
    UploadFault fault_ = UploadFault::None;
    Part current_ = Part::None;
    bool seenHash_ = false, seenFormat_ = false, seenFile_ = false;
    size_t received_ = 0;
    std::string userHash_, format_, bytes_;
    PictureHeader header_;
};

}  // namespace lg::srv
