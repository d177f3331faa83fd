#include "http/image_server.h"

#include <httplib.h>
#include <sys/socket.h>

#include <chrono>
#include <iostream>
#include <stdexcept>
#include <thread>

#include "http/replies.h"
#include "http/request_router.h"
#include "http/upload_route.h"

namespace lg::srv {
namespace {

// The library listens with a backlog of 5, so a burst of new connections
// (every upload is one) waits for the client's SYN retry, a whole second.
// Calling listen() again on the bound socket widens the queue.
constexpr int kListenBacklog = 512;

template <typename Base>
class WideBacklog final : public Base {
public:
    using Base::Base;
    void Widen() { ::listen(this->svr_sock_, kListenBacklog); }
};

std::unique_ptr<httplib::Server> MakeHttp(const ServerOptions& o) {
    if (o.plainHttp) return std::make_unique<WideBacklog<httplib::Server>>();
    auto server =
        std::make_unique<WideBacklog<httplib::SSLServer>>(o.certFile.c_str(), o.keyFile.c_str());
    if (!server->is_valid()) {
        throw std::runtime_error("cannot use the certificate " + o.certFile.string() +
                                 " with the key " + o.keyFile.string());
    }
    return server;
}

// The request path as a log may show it: a delete link's secret is cut off.
std::string LoggedPath(const std::string& path) {
    const size_t at = path.find("/d/");
    if (at == std::string::npos) return path;
    const size_t secret = path.find('/', at + 3);
    return secret == std::string::npos ? path : path.substr(0, secret) + "/…";
}

}  // namespace

ImageServer::ImageServer(ServerOptions options)
    : options_(std::move(options)),
      files_(options_.dataDir / "pictures"),
      index_(options_.dataDir / "index.sqlite3"),
      library_(files_, index_),
      perHash_(options_.uploadsPerHashPerMinute),
      perAddress_(options_.uploadsPerAddressPerMinute),
      ctx_{options_, library_, perHash_, perAddress_},
      startReport_(Reconcile(files_, index_)),
      http_(MakeHttp(options_)) {
    const int threads = options_.threads;
    http_->new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    // One request per connection: a refused upload is answered without
    // reading its body, and what is left of that body must never be taken
    // for a next request.
    http_->set_keep_alive_max_count(1);
    http_->set_read_timeout(options_.ioTimeoutSeconds);
    http_->set_write_timeout(options_.ioTimeoutSeconds);
    http_->set_payload_max_length(UploadBodyLimit(options_.maxUploadBytes));
    if (options_.accessLog) {
        http_->set_logger([this](const httplib::Request& req, const httplib::Response& res) {
            std::clog << ClientAddress(req, options_.trustForwardedFor) << ' ' << req.method << ' '
                      << LoggedPath(req.path) << ' ' << res.status << '\n';
        });
    }
    InstallRoutes(*http_, ctx_);
}

ImageServer::~ImageServer() {
    Stop();
}

int ImageServer::Bind() {
    const int port =
        options_.listenPort == 0
            ? http_->bind_to_any_port(options_.listenHost)
            : (http_->bind_to_port(options_.listenHost, options_.listenPort) ? options_.listenPort
                                                                             : -1);
    if (port <= 0) {
        throw std::runtime_error("cannot listen on " + options_.listenHost + ":" +
                                 std::to_string(options_.listenPort));
    }
    if (auto* plain = dynamic_cast<WideBacklog<httplib::Server>*>(http_.get())) plain->Widen();
    if (auto* tls = dynamic_cast<WideBacklog<httplib::SSLServer>*>(http_.get())) tls->Widen();
    return port;
}

void ImageServer::Run() {
    running_ = true;
    if (!stopRequested_) http_->listen_after_bind();
    running_ = false;
}

void ImageServer::Stop() {
    stopRequested_ = true;
    // Run may be between its start and the library's listening loop; the
    // loop only stops once it runs.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (running_ && !http_->is_running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    http_->stop();
}

}  // namespace lg::srv
