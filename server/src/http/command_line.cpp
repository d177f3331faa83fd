#include "http/command_line.h"

#include <charconv>
#include <optional>

namespace lg::srv {
namespace {

std::optional<unsigned long> ParseNumber(std::string_view text, unsigned long max) {
    unsigned long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value > max) return std::nullopt;
    return value;
}

bool IsVersion(std::string_view text) {
    const size_t dot = text.find('.');
    if (dot == std::string_view::npos) return false;
    return ParseNumber(text.substr(0, dot), 65535) && ParseNumber(text.substr(dot + 1), 65535);
}

}  // namespace

bool IsBasePath(std::string_view text) {
    if (text.size() < 2 || text.size() > 65 || text[0] != '/') return false;
    for (char c : text.substr(1)) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!ok) return false;
    }
    return true;
}

std::string_view ServerUsage() {
    return "usage: lumigrab-server --data DIR --listen HOST:PORT --public-url URL\n"
           "                       (--cert PEM --key PEM | --http)\n"
           "                       [--latest-version X.Y] [--base-path /SECRET]\n"
           "                       [--installer-url URL] [--max-upload-mb N]\n"
           "                       [--hash-rate N] [--address-rate N]\n"
           "                       [--trust-forwarded-for] [--threads N] [--quiet]\n"
           "       lumigrab-server admin --data DIR list | delete ID | purge DAYS\n";
}

std::variant<ServerOptions, std::string> ParseServerCommandLine(
    std::span<const std::string_view> args) {
    ServerOptions o;
    bool haveListen = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view flag = args[i];
        if (flag == "--http") {
            o.plainHttp = true;
            continue;
        }
        if (flag == "--quiet") {
            o.accessLog = false;
            continue;
        }
        if (flag == "--trust-forwarded-for") {
            o.trustForwardedFor = true;
            continue;
        }
        if (i + 1 >= args.size()) return "missing value after " + std::string(flag);
        const std::string_view value = args[++i];
        if (flag == "--data") {
            o.dataDir = std::string(value);
        } else if (flag == "--listen") {
            const size_t colon = value.rfind(':');
            const auto port = colon == std::string_view::npos
                                  ? std::nullopt
                                  : ParseNumber(value.substr(colon + 1), 65535);
            if (!port || colon == 0) return "--listen takes HOST:PORT";
            o.listenHost = std::string(value.substr(0, colon));
            o.listenPort = static_cast<int>(*port);
            haveListen = true;
        } else if (flag == "--public-url") {
            if (!value.starts_with("https://") && !value.starts_with("http://")) {
                return "--public-url must start with https:// or http://";
            }
            o.publicUrl = std::string(value);
            while (o.publicUrl.ends_with('/')) o.publicUrl.pop_back();
        } else if (flag == "--cert") {
            o.certFile = std::string(value);
        } else if (flag == "--key") {
            o.keyFile = std::string(value);
        } else if (flag == "--latest-version") {
            if (!IsVersion(value)) return "--latest-version takes two numbers, like 2.1";
            o.latestVersion = std::string(value);
        } else if (flag == "--base-path") {
            if (!IsBasePath(value))
                return "--base-path takes '/' and 1 to 64 letters, digits, - or _";
            o.basePath = std::string(value);
        } else if (flag == "--installer-url") {
            o.installerUrl = std::string(value);
        } else if (flag == "--max-upload-mb") {
            const auto mb = ParseNumber(value, 1024);
            if (!mb || *mb == 0) return "--max-upload-mb takes 1 to 1024";
            o.maxUploadBytes = *mb * 1024 * 1024;
        } else if (flag == "--hash-rate" || flag == "--address-rate") {
            const auto n = ParseNumber(value, 1000000);
            if (!n)
                return std::string(flag) + " takes a number of uploads per minute (0: no limit)";
            (flag == "--hash-rate" ? o.uploadsPerHashPerMinute : o.uploadsPerAddressPerMinute) =
                static_cast<uint32_t>(*n);
        } else if (flag == "--threads") {
            const auto n = ParseNumber(value, 1024);
            if (!n || *n == 0) return "--threads takes 1 to 1024";
            o.threads = static_cast<int>(*n);
        } else {
            return "unknown option " + std::string(flag);
        }
    }
    if (o.dataDir.empty()) return "--data is required";
    if (!haveListen) return "--listen is required";
    if (o.publicUrl.empty()) return "--public-url is required";
    if (o.plainHttp == (!o.certFile.empty() || !o.keyFile.empty())) {
        return "give either --cert and --key, or --http";
    }
    if (!o.plainHttp && (o.certFile.empty() || o.keyFile.empty())) {
        return "--cert and --key go together";
    }
    return o;
}

}  // namespace lg::srv
