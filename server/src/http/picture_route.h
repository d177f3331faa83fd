// GET /s/<id>.<png|jpg>: the picture itself; GET /s/<id>: a page showing it.
#pragma once

#include <httplib.h>

#include <string_view>

#include "http/server_context.h"

namespace lg::srv {

// `rest` is the path after "/s/". Anything but a well-formed id of a stored
// picture (with its own extension) is 404. `ranges` are the request's byte
// ranges, which only the picture itself answers.
void HandlePicture(ServerContext& ctx, std::string_view rest, const httplib::Request& req,
                   httplib::Ranges ranges, httplib::Response& res);

}  // namespace lg::srv
