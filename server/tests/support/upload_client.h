// Sending uploads to a test server and reading the replies.
#pragma once

#include <httplib.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/wire_form.h"

namespace lg::srv::test {

struct UploadReply {
    int status = 0;  // 0: no reply at all
    nlohmann::json json;
    std::string error() const;
    std::string screenLink() const;
    std::string deleteLink() const;
};

// POSTs the parts as the client does (to `path`, by default the upload gate).
UploadReply PostUpload(httplib::Client& client, const std::vector<WirePart>& parts,
                       const std::string& path = kUploadPath);
// Posts a body as it is.
UploadReply PostBody(httplib::Client& client, const std::string& body,
                     const std::string& contentType, const std::string& path = kUploadPath);

// Writes `request` to a fresh connection to the port and returns all the
// server answers until it closes. With `closeSending` the sending side is
// closed after the request, as a client that gives up does; the server
// then has no one to answer.
std::string RawExchange(int port, const std::string& request, bool closeSending = false);

// The status and JSON body of a raw HTTP reply ("" error when no JSON).
UploadReply ParseRawReply(const std::string& reply);

}  // namespace lg::srv::test
