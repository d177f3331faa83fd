#include "support/raw_connection.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace lg::srv::test {

RawConnection::RawConnection(int port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) throw std::runtime_error("socket failed");
    timeval timeout{10, 0};
    ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd_);
        throw std::runtime_error("connect failed");
    }
}

RawConnection::~RawConnection() {
    ::close(fd_);
}

bool RawConnection::Send(const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

void RawConnection::CloseSending() {
    ::shutdown(fd_, SHUT_WR);
}

bool RawConnection::ReadUntil(const std::string& marker) {
    char buf[4096];
    while (received_.find(marker) == std::string::npos) {
        const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
        if (n <= 0) return false;
        received_.append(buf, static_cast<size_t>(n));
    }
    return true;
}

const std::string& RawConnection::ReadAll() {
    char buf[4096];
    for (ssize_t n; (n = ::recv(fd_, buf, sizeof buf, 0)) > 0;) {
        received_.append(buf, static_cast<size_t>(n));
    }
    return received_;
}

}  // namespace lg::srv::test
