#include "support/upload_client.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace lg::srv::test {
namespace {

std::string Member(const nlohmann::json& json, const char* name) {
    if (!json.is_object() || !json.contains(name) || !json[name].is_string()) return "";
    return json[name].get<std::string>();
}

UploadReply FromResult(const httplib::Result& result) {
    UploadReply reply;
    if (!result) return reply;
    reply.status = result->status;
    reply.json = nlohmann::json::parse(result->body, nullptr, false);
    return reply;
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

UploadReply PostUpload(httplib::Client& client, const std::vector<WirePart>& parts,
                       const std::string& path) {
    return PostBody(client, WireBody(parts), WireContentType(), path);
}

UploadReply PostBody(httplib::Client& client, const std::string& body,
                     const std::string& contentType, const std::string& path) {
    return FromResult(client.Post(path.c_str(), body, contentType.c_str()));
}

std::string RawExchange(int port, const std::string& request, bool closeSending) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) throw std::runtime_error("socket failed");
    timeval timeout{10, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string reply;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
        size_t sent = 0;
        while (sent < request.size()) {
            const ssize_t n =
                ::send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) break;
            sent += static_cast<size_t>(n);
        }
        if (closeSending) ::shutdown(fd, SHUT_WR);
        char buf[4096];
        for (ssize_t n; (n = ::recv(fd, buf, sizeof buf, 0)) > 0;) reply.append(buf, size_t(n));
    }
    ::close(fd);
    return reply;
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
