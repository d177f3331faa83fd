// An image server in this process on a free loopback port, over a fresh
// data folder that is removed afterwards.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "http/image_server.h"

namespace httplib {
class Client;
}

namespace lg::srv::test {

// The links in replies start with this; tests take the path after it.
inline constexpr const char* kTestPublicUrl = "https://pictures.lumigrab.test";

// A folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Options for a quiet plain-HTTP test server on any free port; `adjust`
// may change them before the start.
ServerOptions TestOptions(const std::filesystem::path& dataDir);

class RunningServer {
public:
    explicit RunningServer(const std::function<void(ServerOptions&)>& adjust = {});
    // Over an existing data folder (a restart).
    RunningServer(const std::filesystem::path& dataDir,
                  const std::function<void(ServerOptions&)>& adjust);
    ~RunningServer();

    int port() const { return port_; }
    const std::filesystem::path& dataDir() const { return dataDir_; }
    ImageServer& server() { return *server_; }
    // A plain-HTTP client of this server.
    std::unique_ptr<httplib::Client> Client() const;

private:
    void Start(const std::function<void(ServerOptions&)>& adjust);

    std::unique_ptr<TempFolder> ownFolder_;
    std::filesystem::path dataDir_;
    std::unique_ptr<ImageServer> server_;
    int port_ = 0;
    std::thread thread_;
};

// The path of a link from a reply ("https://host/s/x.png" -> "/s/x.png").
std::string PathOfLink(const std::string& link);

}  // namespace lg::srv::test
