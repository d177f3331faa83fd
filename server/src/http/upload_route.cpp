#include "http/upload_route.h"

#include <charconv>
#include <chrono>
#include <nlohmann/json.hpp>

#include "http/replies.h"
#include "upload/upload_form.h"

namespace lg::srv {
namespace {

constexpr size_t kFormOverhead = 16 * 1024;

// The declared body length, when the request declares one that is a number.
std::optional<size_t> DeclaredLength(const httplib::Request& req) {
    if (!req.has_header("Content-Length")) return std::nullopt;
    const std::string text = req.get_header_value("Content-Length");
    size_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return SIZE_MAX;
    return value;
}

int64_t NowUnix() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

size_t UploadBodyLimit(size_t maxUploadBytes) {
    return maxUploadBytes + kFormOverhead;
}

bool IsUploadGate(std::string_view path, const httplib::Request& req) {
    return path == "/i/index.php" && req.get_param_value_count("r") == 1 &&
           req.get_param_value("r") == "user/imggate";
}

void HandleUpload(ServerContext& ctx, const httplib::Request& req, httplib::Response& res,
                  const httplib::ContentReader& reader) {
    const ServerOptions& o = ctx.options;
    const std::optional<size_t> declared = DeclaredLength(req);
    if (declared && *declared > UploadBodyLimit(o.maxUploadBytes)) {
        ReplyUploadFault(res, UploadFault::TooLarge);
        return;
    }
    const std::string client = ClientAddress(req, o.trustForwardedFor);
    if (!ctx.perAddress.Take(client, RateLimiter::Clock::now())) {
        ReplyUploadFault(res, UploadFault::RateLimited);
        return;
    }
    if (!req.is_multipart_form_data()) {
        ReplyUploadFault(res, UploadFault::Malformed);
        return;
    }

    UploadForm form(o.maxUploadBytes);
    bool hashChecked = false;
    // The per-hash limit answers as soon as the hash is known; the file
    // part that follows is then only counted and dropped.
    auto checkHash = [&] {
        if (hashChecked) return;
        if (const auto hash = form.CompletedUserHash()) {
            hashChecked = true;
            if (!ctx.perHash.Take(*hash, RateLimiter::Clock::now())) {
                form.Refuse(UploadFault::RateLimited);
            }
        }
    };
    const bool complete = reader(
        [&](const httplib::MultipartFormData& part) {
            const bool more = form.BeginPart(part.name, part.filename);
            checkHash();
            return more;
        },
        [&](const char* data, size_t size) { return form.AddData(std::string_view(data, size)); });
    if (form.Finish(complete) == UploadFault::None) checkHash();
    if (form.fault() != UploadFault::None) {
        ReplyUploadFault(res, form.fault());
        return;
    }

    const CheckedUpload upload = form.Take();
    const std::optional<AddedPicture> added = ctx.library.Add(
        NewPicture{upload.userHash, upload.header, upload.bytes, client, NowUnix()});
    if (!added) {
        ReplyUploadFault(res, UploadFault::StorageFailed);
        return;
    }
    const std::string base = o.publicUrl + o.basePath;
    const PictureRecord& r = added->record;
    const nlohmann::ordered_json reply = {
        {"error", ""},
        {"screen_link", base + "/s/" + r.id + "." + std::string(PictureExtension(r.format))},
        {"delete_link", base + "/d/" + r.id + "/" + added->deleteSecret},
    };
    res.status = 200;
    res.set_content(reply.dump(), "application/json; charset=utf-8");
    res.set_header("Cache-Control", "no-store");
}

}  // namespace lg::srv
