#include "http/replies.h"

#include <nlohmann/json.hpp>

#include "http/site_pages.h"

namespace lg::srv {

void ReplyUploadFault(httplib::Response& res, UploadFault fault) {
    res.status = UploadFaultStatus(fault);
    const nlohmann::json reply = {{"error", std::string(UploadFaultText(fault))}};
    res.set_content(reply.dump(), "application/json; charset=utf-8");
    res.set_header("Cache-Control", "no-store");
}

void ReplyHtml(httplib::Response& res, int status, const std::string& html) {
    res.status = status;
    res.set_content(html, "text/html; charset=utf-8");
    res.set_header("X-Content-Type-Options", "nosniff");
    res.set_header("Content-Security-Policy",
                   "default-src 'none'; img-src 'self'; style-src 'unsafe-inline'; "
                   "form-action 'self'; frame-ancestors 'none'; base-uri 'none'");
    res.set_header("Referrer-Policy", "no-referrer");
}

void ReplyNotFound(httplib::Response& res) {
    ReplyHtml(res, 404, NotFoundPage());
}

std::string ClientAddress(const httplib::Request& req, bool trustForwardedFor) {
    if (trustForwardedFor && req.has_header("X-Forwarded-For")) {
        const size_t count = req.get_header_value_count("X-Forwarded-For");
        std::string last = req.get_header_value("X-Forwarded-For", count - 1);
        const size_t comma = last.rfind(',');
        if (comma != std::string::npos) last.erase(0, comma + 1);
        const size_t first = last.find_first_not_of(' ');
        const size_t end = last.find_last_not_of(' ');
        if (first != std::string::npos) return last.substr(first, end - first + 1);
    }
    return req.remote_addr;
}

}  // namespace lg::srv
