#pragma once
// `slotcursa-tool run --folder DIR -` as a child process on two pipes: the
// harness writes script lines to it, reads its replies and may kill it.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace sc::reliability {

class DriverProcess {
public:
    // Starts the tool; its standard error goes to `errorFile`. Throws
    // std::runtime_error when the process cannot be started.
    DriverProcess(const std::filesystem::path& tool, const std::filesystem::path& folder,
                  const std::filesystem::path& errorFile);
    ~DriverProcess();
    DriverProcess(const DriverProcess&) = delete;
    DriverProcess& operator=(const DriverProcess&) = delete;

    // Writes one script line; false once the program has gone.
    bool send(const std::string& line);
    // One line of output, without its end; nullopt at the end of the output or
    // when no output came within `timeout`.
    std::optional<std::string> readLine(std::chrono::milliseconds timeout);
    // Asks for `state` and reads until its reply: every line sent before it has
    // then been carried out. False when the program ended or did not answer.
    bool sync(std::chrono::milliseconds timeout);
    // SIGKILL, then waits for the process.
    void kill();
    // Closes its input and waits: the exit status, or -1 when a signal ended it
    // (or it was killed before).
    int finish();

private:
    int reap();

    pid_t pid_ = -1;
    int in_ = -1;   // the child's standard input
    int out_ = -1;  // the child's standard output
    std::string pending_;
};

}  // namespace sc::reliability
