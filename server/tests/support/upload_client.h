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

// The status and JSON of a client's result (status 0: no reply).
UploadReply ReplyOf(const httplib::Result& result);

// Posts a body as it is, with any client of the library (plain or TLS).
template <typename Client>
UploadReply PostBody(Client& client, const std::string& body, const std::string& contentType,
                     const std::string& path = kUploadPath) {
    return ReplyOf(client.Post(path.c_str(), body, contentType.c_str()));
}

// POSTs the parts as the client does (to `path`, by default the upload gate).
template <typename Client>
UploadReply PostUpload(Client& client, const std::vector<WirePart>& parts,
                       const std::string& path = kUploadPath) {
    return PostBody(client, WireBody(parts), WireContentType(), path);
}

// Writes `request` to a fresh connection to the port and returns all the
// server answers until it closes. With `closeSending` the sending side is
// closed after the request, as a client that gives up does; the server
// then has no one to answer.
std::string RawExchange(int port, const std::string& request, bool closeSending = false);

// The status and JSON body of a raw HTTP reply ("" error when no JSON).
UploadReply ParseRawReply(const std::string& reply);

}  // namespace lg::srv::test
