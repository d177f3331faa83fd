// A one-connection HTTP listener on 127.0.0.1 for the upload worker's
// tests: it takes one request whole (headers and the body its
// Content-Length names) and then answers as told, or never answers.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <atomic>
#include <cctype>
#include <optional>
#include <string>
#include <thread>

namespace lg::win::test {

class HttpStub {
public:
    // `reply` is the whole response to send after the request; nothing
    // keeps the connection open without a word until the stub goes.
    explicit HttpStub(std::optional<std::string> reply) : reply_(std::move(reply)) {
        WSADATA wsa;
        started_ = WSAStartup(MAKEWORD(2, 2), &wsa) == 0;
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        at.sin_port = 0;
        if (bind(listener_, reinterpret_cast<sockaddr*>(&at), sizeof(at)) != 0 ||
            listen(listener_, 1) != 0)
            return;
        int size = sizeof(at);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&at), &size);
        port_ = ntohs(at.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~HttpStub() {
        stopping_ = true;
        closesocket(listener_);
        if (thread_.joinable()) thread_.join();
        if (started_) WSACleanup();
    }
    HttpStub(const HttpStub&) = delete;
    HttpStub& operator=(const HttpStub&) = delete;

    int port() const { return port_; }
    std::wstring Url() const {
        return L"http://127.0.0.1:" + std::to_wstring(port_) + L"/i/index.php?r=user/imggate";
    }
    // The request as received, once it is whole.
    bool RequestComplete() const { return complete_; }
    const std::string& Request() const { return request_; }
    // The client closed the connection.
    bool ClientClosed() const { return clientClosed_; }

private:
    void Serve() {
        const SOCKET c = accept(listener_, nullptr, nullptr);
        if (c == INVALID_SOCKET) return;
        // Short reads, so the stub notices it should go.
        DWORD timeout = 100;
        setsockopt(c, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout),
                   sizeof(timeout));
        std::string got;
        char buffer[8192];
        while (!stopping_ && !Whole(got)) {
            const int n = recv(c, buffer, sizeof(buffer), 0);
            if (n == 0) break;
            if (n > 0) got.append(buffer, n);
        }
        request_ = got;
        complete_ = Whole(got);
        if (reply_ && complete_) {
            send(c, reply_->data(), static_cast<int>(reply_->size()), 0);
            shutdown(c, SD_SEND);
        }
        // Silent: hold the connection until the stub goes or the client
        // gives up on it.
        while (!stopping_) {
            const int n = recv(c, buffer, sizeof(buffer), 0);
            if (n == 0 || (n < 0 && WSAGetLastError() != WSAETIMEDOUT)) {
                clientClosed_ = true;
                break;
            }
        }
        closesocket(c);
    }

    static bool Whole(const std::string& got) {
        const std::size_t end = got.find("\r\n\r\n");
        if (end == std::string::npos) return false;
        std::string head = got.substr(0, end);
        for (char& ch : head) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        const std::size_t at = head.find("\r\ncontent-length:");
        if (at == std::string::npos) return true;
        const std::size_t length = std::stoul(head.substr(at + 17));
        return got.size() >= end + 4 + length;
    }

    std::optional<std::string> reply_;
    bool started_ = false;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> complete_{false};
    std::atomic<bool> clientClosed_{false};
    std::string request_;
};

}  // namespace lg::win::test
