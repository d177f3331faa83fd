// The image server's reply to an upload: a JSON object whose "screen_link"
// is the picture's public address and whose "error", when not empty, says
// the upload failed. A server may add a "delete_link" that removes the
// picture again.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lg {

// What an upload left on the server: the record a later list of uploads
// takes over.
struct UploadedPicture {
    std::string link;        // the public address
    std::string deleteLink;  // empty when the server gave none
    friend bool operator==(const UploadedPicture&, const UploadedPicture&) = default;
};

// The links in `reply`, or nothing when the upload failed: the text is
// empty or no JSON value starts it (text after the first complete value is
// ignored), "error" reads as non-empty text, or "screen_link" reads as
// empty. A member reads as text whatever its JSON type: a string as its
// value, a number or a boolean by its JSON text; a missing member or null
// reads as empty. An array or object counts as an error, never as a link.
// "delete_link" never decides the outcome.
std::optional<UploadedPicture> ReadUploadReply(std::string_view reply);

// True for an http:// or https:// address (any letter case): only such a
// link is handed to the browser.
bool IsWebLink(std::string_view link) noexcept;

}  // namespace lg
