// lumigrab-server: serve, or with "admin" first, look after the data folder.
#include <signal.h>

#include <chrono>
#include <cstring>
#include <iostream>
#include <string_view>
#include <thread>
#include <variant>
#include <vector>

#include "admin/admin_command.h"
#include "http/command_line.h"
#include "http/image_server.h"

namespace {

int64_t NowUnix() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

int Serve(const lg::srv::ServerOptions& options) {
    // SIGTERM and SIGINT are taken by one thread with sigwait, so a stop
    // runs as ordinary code: the listener closes, requests in flight finish.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    lg::srv::ImageServer server(options);
    const lg::srv::ReconcileReport& r = server.startReport();
    if (r.leftoversRemoved + r.rowsRemoved + r.filesRemoved > 0) {
        std::clog << "start-up check: removed " << r.leftoversRemoved << " unfinished files, "
                  << r.rowsRemoved << " rows without a picture, " << r.filesRemoved
                  << " pictures without a row\n";
    }
    const int port = server.Bind();
    std::clog << "lumigrab-server: listening on " << options.listenHost << ':' << port << " ("
              << (options.plainHttp ? "http" : "https") << "), links start with "
              << options.publicUrl << options.basePath << std::endl;

    std::thread waiter([&server, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        std::clog << "lumigrab-server: stopping (" << strsignal(signal) << ")" << std::endl;
        server.Stop();
    });
    server.Run();
    // Run also ends when the listener fails; wake the waiter then.
    pthread_kill(waiter.native_handle(), SIGTERM);
    waiter.join();
    std::clog << "lumigrab-server: stopped" << std::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    try {
        if (!args.empty() && args[0] == "admin") {
            return lg::srv::RunAdminCommand(std::span(args).subspan(1), std::cout, std::cerr,
                                            NowUnix());
        }
        auto parsed = lg::srv::ParseServerCommandLine(args);
        if (const auto* error = std::get_if<std::string>(&parsed)) {
            std::cerr << "lumigrab-server: " << *error << '\n' << lg::srv::ServerUsage();
            return 2;
        }
        return Serve(std::get<lg::srv::ServerOptions>(parsed));
    } catch (const std::exception& e) {
        std::cerr << "lumigrab-server: " << e.what() << '\n';
        return 1;
    }
}
