// A bare TCP connection to a test server, for requests no HTTP client
// would send: cut, stalled, or sent in steps.
#pragma once

#include <string>

namespace lg::srv::test {

class RawConnection {
public:
    // Connects to 127.0.0.1:port; reads wait at most 10 s.
    explicit RawConnection(int port);
    ~RawConnection();
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool Send(const std::string& bytes);
    void CloseSending();
    // Reads until `marker` has arrived (true) or the connection ends.
    bool ReadUntil(const std::string& marker);
    // Reads until the server closes; everything received so far.
    const std::string& ReadAll();
    const std::string& received() const { return received_; }

private:
    int fd_ = -1;
    std::string received_;
};

}  // namespace lg::srv::test
