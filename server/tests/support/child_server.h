// The built lumigrab-server program as a child process, for what only a
// real process shows: being killed, signals, the command line.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace lg::srv::test {

class ChildServer {
public:
    // Starts the program over `dataDir` on a free loopback port, plain
    // HTTP, with `extraArgs` added; waits (bounded) until it answers.
    // Throws std::runtime_error when it does not come up.
    ChildServer(const std::filesystem::path& dataDir, std::vector<std::string> extraArgs = {});
    // Kills the process if it still runs.
    ~ChildServer();
    ChildServer(const ChildServer&) = delete;
    ChildServer& operator=(const ChildServer&) = delete;

    int port() const { return port_; }
    void Signal(int signal);
    // Waits (bounded) for the process to end; its exit status as waitpid
    // gives it, or -1 when it did not end in time.
    int Wait(std::chrono::milliseconds limit);

private:
    pid_t pid_ = -1;
    int port_ = 0;
};

}  // namespace lg::srv::test
