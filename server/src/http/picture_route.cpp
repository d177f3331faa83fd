#include "http/picture_route.h"

#include <ctime>
#include <string>

#include "http/html.h"
#include "http/replies.h"
#include "store/picture_id.h"

namespace lg::srv {
namespace {

// More ranges than this in one request are served as the whole picture:
// a list of thousands of tiny ranges is a way to make the server work.
constexpr size_t kMaxRanges = 8;

// Pins every requested range to the picture: resolves suffix ranges and
// cuts ends beyond the last byte (the library would otherwise announce
// them). False when a range lies wholly outside.
bool PinRanges(httplib::Ranges& ranges, size_t size) {
    if (ranges.size() > kMaxRanges) {
        ranges.clear();
        return true;
    }
    const auto last = static_cast<ssize_t>(size) - 1;
    for (httplib::Range& r : ranges) {
        if (r.first == -1) {
            if (r.second <= 0 || size == 0) return false;
            r.first = std::max<ssize_t>(0, static_cast<ssize_t>(size) - r.second);
            r.second = last;
        } else {
            if (r.first > last) return false;
            if (r.second == -1 || r.second > last) r.second = last;
            if (r.second < r.first) return false;
        }
    }
    return true;
}

std::string FormatDate(int64_t unix) {
    const std::time_t t = static_cast<std::time_t>(unix);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M UTC", &tm);
    return text;
}

std::string FormatBytes(uint64_t bytes) {
    if (bytes < 1024) return std::to_string(bytes) + " Б";
    if (bytes < 1024 * 1024) return std::to_string((bytes + 512) / 1024) + " КБ";
    const uint64_t tenths = (bytes * 10 + 512 * 1024) / (1024 * 1024);
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " МБ";
}

void ServeBytes(ServerContext& ctx, const PictureRecord& r, const httplib::Request& req,
                httplib::Ranges ranges, httplib::Response& res) {
    const std::string etag = "\"" + r.sha256 + "\"";
    res.set_header("X-Content-Type-Options", "nosniff");
    res.set_header("Content-Security-Policy", "default-src 'none'; sandbox");
    res.set_header("Accept-Ranges", "bytes");
    // A picture never changes under its id.
    auto setCaching = [&] {
        res.set_header("ETag", etag);
        res.set_header("Cache-Control", "public, max-age=31536000, immutable");
    };
    const std::string match = req.get_header_value("If-None-Match");
    if (!match.empty() && (match == "*" || match.find(etag) != std::string::npos)) {
        setCaching();
        res.status = 304;
        return;
    }
    std::optional<std::string> bytes = ctx.library.ReadBytes(r);
    if (!bytes) {
        ReplyNotFound(res);
        return;
    }
    if (!PinRanges(ranges, bytes->size())) {
        res.status = 416;
        res.set_header("Content-Range", "bytes */" + std::to_string(bytes->size()));
        return;
    }
    // The status stays unset: the library answers 206 for a range and 200
    // for the whole picture.
    setCaching();
    MutableRanges(req) = std::move(ranges);
    res.set_content(std::move(*bytes), std::string(PictureContentType(r.format)));
}

void ServeViewPage(ServerContext& ctx, const PictureRecord& r, httplib::Response& res) {
    const std::string ext(PictureExtension(r.format));
    const std::string src = ctx.options.basePath + "/s/" + r.id + "." + ext;
    std::string body = "<h1>Снимок экрана</h1>\n<p><img src=\"" + EscapeHtml(src) + "\" alt=\"" +
                       "Снимок " + EscapeHtml(r.id) + "\" width=\"" + std::to_string(r.width) +
                       "\" height=\"" + std::to_string(r.height) + "\"></p>\n<p>" +
                       std::to_string(r.width) + " × " + std::to_string(r.height) + " пикселей, " +
                       FormatBytes(r.bytes) + ", загружен " + FormatDate(r.createdUnix) + "</p>";
    ReplyHtml(res, 200, HtmlPage("Снимок экрана — ЛюмиГРАБ", body));
    res.set_header("Cache-Control", "public, max-age=300");
}

}  // namespace

void HandlePicture(ServerContext& ctx, std::string_view rest, const httplib::Request& req,
                   httplib::Ranges ranges, httplib::Response& res) {
    const std::string_view id = rest.substr(0, std::min(rest.size(), kPictureIdLength));
    const std::string_view suffix = rest.substr(id.size());
    if (!IsPictureId(id) || (!suffix.empty() && suffix != ".png" && suffix != ".jpg")) {
        ReplyNotFound(res);
        return;
    }
    const std::optional<PictureRecord> record = ctx.library.Find(id);
    if (!record) {
        ReplyNotFound(res);
        return;
    }
    if (suffix.empty()) {
        ServeViewPage(ctx, *record, res);
    } else if (suffix.substr(1) == PictureExtension(record->format)) {
        ServeBytes(ctx, *record, req, std::move(ranges), res);
    } else {
        ReplyNotFound(res);
    }
}

}  // namespace lg::srv
