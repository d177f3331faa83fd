#include "http/request_router.h"

#include <utility>

#include "http/delete_route.h"
#include "http/picture_route.h"
#include "http/replies.h"
#include "http/site_routes.h"
#include "http/upload_route.h"

namespace lg::srv {

std::optional<std::string_view> StripBasePath(std::string_view path, std::string_view basePath) {
    if (basePath.empty()) return path;
    if (!path.starts_with(basePath)) return std::nullopt;
    const std::string_view rest = path.substr(basePath.size());
    if (rest.empty()) return std::string_view("/");
    if (rest[0] != '/') return std::nullopt;
    return rest;
}

void InstallRoutes(httplib::Server& server, ServerContext& ctx) {
    server.Get(".*", [&ctx](const httplib::Request& req, httplib::Response& res) {
        httplib::Ranges ranges = std::exchange(MutableRanges(req), {});
        const auto path = StripBasePath(req.path, ctx.options.basePath);
        if (!path) return ReplyNotFound(res);
        if (path->starts_with("/s/"))
            return HandlePicture(ctx, path->substr(3), req, std::move(ranges), res);
        if (path->starts_with("/d/")) return HandleDelete(ctx, path->substr(3), false, res);
        if (!HandleSiteRoute(ctx.options, *path, res)) ReplyNotFound(res);
    });
    server.Post(".*", [&ctx](const httplib::Request& req, httplib::Response& res,
                             const httplib::ContentReader& reader) {
        MutableRanges(req).clear();
        const auto path = StripBasePath(req.path, ctx.options.basePath);
        if (!path) return ReplyNotFound(res);
        if (IsUploadGate(*path, req)) return HandleUpload(ctx, req, res, reader);
        if (path->starts_with("/d/")) return HandleDelete(ctx, path->substr(3), true, res);
        ReplyNotFound(res);
    });
}

}  // namespace lg::srv
