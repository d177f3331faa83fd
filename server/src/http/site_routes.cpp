#include "http/site_routes.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "http/replies.h"
#include "http/site_pages.h"

namespace lg::srv {
namespace {

// The installer a host may place in the data folder when it has no
// download address of its own.
constexpr std::string_view kInstallerFile = "LumigrabSetup.exe";

void ServeInstaller(const ServerOptions& o, httplib::Response& res) {
    if (!o.installerUrl.empty()) {
        res.set_redirect(o.installerUrl, 302);
        return;
    }
    std::ifstream file(o.dataDir / kInstallerFile, std::ios::binary);
    if (file) {
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (!file.bad()) {
            res.status = 200;
            res.set_content(std::move(bytes), "application/octet-stream");
            res.set_header("Content-Disposition",
                           "attachment; filename=\"" + std::string(kInstallerFile) + "\"");
            res.set_header("X-Content-Type-Options", "nosniff");
            return;
        }
    }
    ReplyHtml(res, 200, SitePage("download", o.dataDir));
}

}  // namespace

bool HandleSiteRoute(const ServerOptions& o, std::string_view path, httplib::Response& res) {
    if (path == "/updates.txt") {
        res.status = 200;
        res.set_content("ver=" + o.latestVersion + "\r\n", "text/plain; charset=utf-8");
        res.set_header("Cache-Control", "no-cache");
        return true;
    }
    if (path == "/download.php") {
        ServeInstaller(o, res);
        return true;
    }
    if (const auto name = SitePageName(path)) {
        ReplyHtml(res, 200, SitePage(*name, o.dataDir));
        return true;
    }
    return false;
}

}  // namespace lg::srv
