// Filling in replies the same way everywhere.
#pragma once

#include <httplib.h>

#include <string>
#include <string_view>

#include "upload/upload_fault.h"

namespace lg::srv {

// {"error": <text>} with the fault's status.
void ReplyUploadFault(httplib::Response& res, UploadFault fault);
// A page with a restrictive content policy (images of this server only).
void ReplyHtml(httplib::Response& res, int status, const std::string& html);
void ReplyNotFound(httplib::Response& res);

// The byte ranges of a request. The library applies them to whatever body
// the handler leaves, after the handler, so the router takes them off every
// request and only the picture route puts them back. The request object is
// the connection's own (not const), which makes the write well-defined.
[[nodiscard]] inline httplib::Ranges& MutableRanges(const httplib::Request& req) {
    return const_cast<httplib::Request&>(req).ranges;
}

// The address the request came from: the peer, or behind a trusted proxy
// the last X-Forwarded-For entry.
[[nodiscard]] std::string ClientAddress(const httplib::Request& req, bool trustForwardedFor);

}  // namespace lg::srv
