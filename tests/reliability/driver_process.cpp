#include "driver_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

extern char** environ;

namespace sc::reliability {

namespace {

constexpr const char* kStateReply = "{\"CurrentRace\"";

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

DriverProcess::DriverProcess(const std::filesystem::path& tool, const std::filesystem::path& folder,
                             const std::filesystem::path& errorFile) {
    // A killed program leaves a broken pipe: a write must fail, not end the harness.
    std::signal(SIGPIPE, SIG_IGN);
    int input[2];
    int output[2];
    // A failure here or at the spawn ends the whole run, so the pipes are not closed on it.
    if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string toolText = tool.string();
    const std::string folderText = folder.string();
    std::vector<char*> argv{
        const_cast<char*>(toolText.c_str()),   const_cast<char*>("run"), const_cast<char*>("--folder"),
        const_cast<char*>(folderText.c_str()), const_cast<char*>("-"),   nullptr};
    const int rc = ::posix_spawn(&pid_, toolText.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(input[0]);
    ::close(output[1]);
    in_ = input[1];
    out_ = output[0];
    if (rc != 0) throw std::runtime_error("cannot start " + toolText + ": " + std::strerror(rc));
}

DriverProcess::~DriverProcess() {
    if (pid_ > 0) kill();
    closeFd(in_);
    closeFd(out_);
}

bool DriverProcess::send(const std::string& line) {
    if (in_ < 0) return false;
    const std::string text = line + "\n";
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t w = ::write(in_, text.data() + done, text.size() - done);
        if (w < 0) return false;
        done += static_cast<std::size_t>(w);
    }
    return true;
}

std::optional<std::string> DriverProcess::readLine(std::chrono::milliseconds timeout) {
    for (;;) {
        const auto end = pending_.find('\n');
        if (end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        if (out_ < 0) return std::nullopt;
        pollfd p{out_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(timeout.count())) <= 0) return std::nullopt;
        char buffer[4096];
        const ssize_t got = ::read(out_, buffer, sizeof buffer);
        if (got <= 0) {
            closeFd(out_);
            continue;  // a last line without an end is dropped
        }
        pending_.append(buffer, static_cast<std::size_t>(got));
    }
}

bool DriverProcess::sync(std::chrono::milliseconds timeout) {
    if (!send("state")) return false;
    while (auto line = readLine(timeout))
        if (line->rfind(kStateReply, 0) == 0) return true;
    return false;
}

void DriverProcess::kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    reap();
    closeFd(in_);
}

int DriverProcess::finish() {
    closeFd(in_);
    while (readLine(std::chrono::seconds(60))) {
    }
    return reap();
}

int DriverProcess::reap() {
    if (pid_ <= 0) return -1;
    int raw = 0;
    ::waitpid(std::exchange(pid_, -1), &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

}  // namespace sc::reliability
