#include "support/running_server.h"

#include <httplib.h>
#include <unistd.h>

#include <atomic>
#include <stdexcept>

namespace lg::srv::test {

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "lumigrab-server-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

ServerOptions TestOptions(const std::filesystem::path& dataDir) {
    ServerOptions o;
    o.dataDir = dataDir;
    o.listenHost = "127.0.0.1";
    o.listenPort = 0;
    o.publicUrl = kTestPublicUrl;
    o.plainHttp = true;
    o.accessLog = false;
    o.threads = 8;
    return o;
}

RunningServer::RunningServer(const std::function<void(ServerOptions&)>& adjust)
    : ownFolder_(std::make_unique<TempFolder>()), dataDir_(ownFolder_->path()) {
    Start(adjust);
}

RunningServer::RunningServer(const std::filesystem::path& dataDir,
                             const std::function<void(ServerOptions&)>& adjust)
    : dataDir_(dataDir) {
    Start(adjust);
}

void RunningServer::Start(const std::function<void(ServerOptions&)>& adjust) {
    ServerOptions options = TestOptions(dataDir_);
    if (adjust) adjust(options);
    server_ = std::make_unique<ImageServer>(options);
    port_ = server_->Bind();
    thread_ = std::thread([this] { server_->Run(); });
}

RunningServer::~RunningServer() {
    if (server_) server_->Stop();
    if (thread_.joinable()) thread_.join();
}

std::unique_ptr<httplib::Client> RunningServer::Client() const {
    auto client = std::make_unique<httplib::Client>("127.0.0.1", port_);
    client->set_read_timeout(10, 0);
    client->set_write_timeout(10, 0);
    return client;
}

std::string PathOfLink(const std::string& link) {
    const std::string prefix = kTestPublicUrl;
    if (link.compare(0, prefix.size(), prefix) != 0) return "";
    return link.substr(prefix.size());
}

}  // namespace lg::srv::test
