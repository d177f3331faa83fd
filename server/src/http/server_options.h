// Everything the server is started with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace lg::srv {

struct ServerOptions {
    std::filesystem::path dataDir;
    std::string listenHost = "127.0.0.1";
    int listenPort = 8443;  // 0: any free port (the tests)
    // Address clients reach the server at, without the base path and
    // without a trailing '/': the links in replies start with it.
    std::string publicUrl;
    std::filesystem::path certFile, keyFile;
    bool plainHttp = false;
    // Answered by /updates.txt; two numbers, as the client compares them.
    std::string latestVersion = "2.0";
    // "" or "/SECRET": every address lives only under it.
    std::string basePath;
    // /download.php redirects here when set.
    std::string installerUrl;
    size_t maxUploadBytes = 25u * 1024 * 1024;
    // Uploads per minute; 0 turns the limit off.
    uint32_t uploadsPerHashPerMinute = 20;
    uint32_t uploadsPerAddressPerMinute = 60;
    // Behind a reverse proxy: take the client address from the last entry
    // of X-Forwarded-For, which the proxy itself appends.
    bool trustForwardedFor = false;
    int threads = 16;
    // A client silent this long in the middle of a request is dropped.
    int ioTimeoutSeconds = 30;
    // One line on standard error per request.
    bool accessLog = true;
};

}  // namespace lg::srv
