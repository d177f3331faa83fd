// POST /i/index.php?r=user/imggate: the client's upload.
#pragma once

#include <httplib.h>

#include "http/server_context.h"

namespace lg::srv {

// Whether a POST to `path` with these query parameters is the upload gate.
[[nodiscard]] bool IsUploadGate(std::string_view path, const httplib::Request& req);

// Checks the request before its body is read (size, address rate), then
// reads the form, checks every part, stores the picture and answers with
// the links; every refusal is a JSON "error".
void HandleUpload(ServerContext& ctx, const httplib::Request& req, httplib::Response& res,
                  const httplib::ContentReader& reader);

// The multipart body's size limit: the picture cap plus room for the two
// text parts and the part headers.
[[nodiscard]] size_t UploadBodyLimit(size_t maxUploadBytes);

}  // namespace lg::srv
