#include "support/upload_client.h"

#include "support/raw_connection.h"

namespace lg::srv::test {
namespace {

std::string Member(const nlohmann::json& json, const char* name) {
    if (!json.is_object() || !json.contains(name) || !json[name].is_string()) return "";
    return json[name].get<std::string>();
}

}  // namespace

std::string UploadReply::error() const {
    return Member(json, "error");
}
std::string UploadReply::screenLink() const {
    return Member(json, "screen_link");
}
std::string UploadReply::deleteLink() const {
    return Member(json, "delete_link");
}

UploadReply ReplyOf(const httplib::Result& result) {
    UploadReply reply;
    if (!result) return reply;
    reply.status = result->status;
    reply.json = nlohmann::json::parse(result->body, nullptr, false);
    return reply;
}

std::string RawExchange(int port, const std::string& request, bool closeSending) {
    RawConnection connection(port);
    connection.Send(request);
    if (closeSending) connection.CloseSending();
    return connection.ReadAll();
}

UploadReply ParseRawReply(const std::string& reply) {
    UploadReply parsed;
    if (reply.compare(0, 9, "HTTP/1.1 ") != 0 || reply.size() < 12) return parsed;
    parsed.status = std::stoi(reply.substr(9, 3));
    const size_t bodyAt = reply.find("\r\n\r\n");
    if (bodyAt != std::string::npos) {
        parsed.json = nlohmann::json::parse(reply.substr(bodyAt + 4), nullptr, false);
    }
    return parsed;
}

}  // namespace lg::srv::test
