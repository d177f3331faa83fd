// /d/<id>/<secret>: the delete link of an upload reply. GET shows a page
// that asks for confirmation (so a link preview cannot delete); its POST
// deletes the picture and its row. A wrong or malformed secret answers 404
// exactly like an unknown picture.
#pragma once

#include <httplib.h>

#include <string_view>

#include "http/server_context.h"

namespace lg::srv {

// `rest` is the path after "/d/".
void HandleDelete(ServerContext& ctx, std::string_view rest, bool confirmed,
                  httplib::Response& res);

}  // namespace lg::srv
