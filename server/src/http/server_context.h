// What every request handler works with, owned by the image server.
#pragma once

#include "http/rate_limiter.h"
#include "http/server_options.h"
#include "store/picture_library.h"

namespace lg::srv {

struct ServerContext {
    const ServerOptions& options;
    PictureLibrary& library;
    RateLimiter& perHash;
    RateLimiter& perAddress;
};

}  // namespace lg::srv
