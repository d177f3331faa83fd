#include "support/child_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <httplib.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

namespace lg::srv::test {
namespace {

// A port nothing listens on right now: the kernel's pick for a socket that
// is closed again at once.
int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        throw std::runtime_error("no free port");
    }
    ::close(fd);
    return ntohs(addr.sin_port);
}

// Polls `ready` every few milliseconds until it holds or `limit` passes.
template <typename Ready>
bool WaitFor(Ready ready, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!ready()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace

ChildServer::ChildServer(const std::filesystem::path& dataDir, std::vector<std::string> extraArgs)
    : port_(FreePort()) {
    std::vector<std::string> args = {LUMIGRAB_SERVER_EXE,
                                     "--data",
                                     dataDir.string(),
                                     "--listen",
                                     "127.0.0.1:" + std::to_string(port_),
                                     "--public-url",
                                     "https://pictures.lumigrab.test",
                                     "--http",
                                     "--quiet"};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    if (pid_ < 0) throw std::runtime_error("fork failed");
    const bool up = WaitFor(
        [&] {
            httplib::Client client("127.0.0.1", port_);
            client.set_connection_timeout(0, 200000);
            const httplib::Result r = client.Get("/updates.txt");
            return r && r->status == 200;
        },
        std::chrono::seconds(20));
    if (!up) throw std::runtime_error("lumigrab-server did not come up");
}

ChildServer::~ChildServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        Wait(std::chrono::seconds(10));
    }
}

void ChildServer::Signal(int signal) {
    if (pid_ > 0) ::kill(pid_, signal);
}

int ChildServer::Wait(std::chrono::milliseconds limit) {
    int status = -1;
    const bool ended =
        WaitFor([&] { return pid_ <= 0 || ::waitpid(pid_, &status, WNOHANG) == pid_; }, limit);
    if (!ended) return -1;
    pid_ = -1;
    return status;
}

}  // namespace lg::srv::test
