// slotcursa-tool simulate: plays a lap counter of any model, in real time on a
// pseudo-terminal or a port, or at once as hex lines on standard output.

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#endif

#include <CLI/CLI.hpp>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "acquisition/lap_counter_simulator.h"
#include "tools/commands.h"

namespace sc::tool {

namespace {

struct SimulateArgs {
    std::string model;
    int firstLane = 1;
    int lanes = 4;
    double lap = 5.0;
    double jitter = 0.5;
    double seconds = 30.0;
    uint64_t seed = 1;
    std::string pause;
    std::string port;
    bool pty = false;
    bool stdoutHex = false;
    bool repeat = false;
    bool wait = false;
    double hold = 4.0;
};

#ifndef _WIN32
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};
#endif

[[noreturn]] void failSystem(const std::string& what) { throw ToolError(what + ": " + std::strerror(errno)); }

PauseSpec parsePause(const std::string& text) {
    const auto colon = text.find(':');
    try {
        if (colon == std::string::npos) throw std::invalid_argument("no colon");
        std::size_t used = 0;
        PauseSpec pause{std::stod(text.substr(0, colon), &used), 0};
        if (used != colon) throw std::invalid_argument("trailing text");
        pause.length = std::stod(text.substr(colon + 1), &used);
        if (used != text.size() - colon - 1) throw std::invalid_argument("trailing text");
        return pause;
    } catch (const std::exception&) {
        throw ToolError("--pause takes AT:LENGTH in seconds, such as 10:5, not '" + text + "'");
    }
}

SimulatorOptions optionsFrom(const SimulateArgs& args) {
    const auto model = parseLapCounterModel(args.model);
    if (!model)
        throw ToolError("unknown model '" + args.model +
                        "': use 0..4, DS003, DS030, DS300, DS4port or DS200");
    SimulatorOptions options{*model,       args.firstLane, args.lanes, args.lap,   args.jitter,
                             args.seconds, args.seed,      {},         args.repeat};
    if (!args.pause.empty()) options.pause = parsePause(args.pause);
    try {
        checkSimulatorOptions(options);
    } catch (const std::invalid_argument& e) {
        throw ToolError(e.what());
    }
    return options;
}

void printHex(const SimulatorPlay& play) {
    for (const auto& message : play.messages) {
        std::printf("%.4f", message.offset);
        for (const uint8_t byte : message.bytes) std::printf(" %02X", byte);
        std::printf("\n");
    }
    std::fflush(stdout);
}

#ifndef _WIN32
void makeRaw(int fd, int baud) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) failSystem("cannot read the terminal settings");
    ::cfmakeraw(&settings);
    // 56000 baud is not a standard rate; 57600 is the nearest a serial driver offers.
    const speed_t speed = baud <= 1200 ? B1200 : baud <= 4800 ? B4800 : B57600;
    ::cfsetispeed(&settings, speed);
    ::cfsetospeed(&settings, speed);
    if (::tcsetattr(fd, TCSANOW, &settings) != 0) failSystem("cannot set raw mode");
}

// Writes everything, waiting a while for a reader to drain a full buffer.
void writeAll(int fd, const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd waiting{fd, POLLOUT, 0};
            if (::poll(&waiting, 1, 10000) > 0) continue;
            throw ToolError("nobody reads the lap counter's bytes");
        }
        failSystem("cannot write");
    }
}

void playInRealTime(int fd, const SimulatorPlay& play, double holdSeconds) {
    using Clock = std::chrono::steady_clock;
    const auto begin = Clock::now();
    const auto at = [begin](double seconds) {
        return begin + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    };
    double last = 0;
    for (const auto& message : play.messages) {
        std::this_thread::sleep_until(at(message.offset));
        writeAll(fd, message.bytes);
        last = message.offset;
    }
    // Silence: the receiving program ends the heat by itself once the keep-alives stop.
    std::this_thread::sleep_until(at(last + holdSeconds));
}

// The heat begins with the red light; whoever listens must have opened the port by then.
void waitForGoAhead() {
    char line[256];
    (void)std::fgets(line, sizeof line, stdin);  // a line or the end of the input
}

void playOnPty(const SimulatorPlay& play, int baud, double holdSeconds, bool wait) {
    FileDescriptor master(::posix_openpt(O_RDWR | O_NOCTTY));
    if (master.get() < 0) failSystem("cannot open a pseudo-terminal");
    if (::grantpt(master.get()) != 0 || ::unlockpt(master.get()) != 0)
        failSystem("cannot unlock the pseudo-terminal");
    const char* name = ::ptsname(master.get());
    if (!name) failSystem("cannot name the pseudo-terminal");
    const std::string path = name;
    // Held open so the line stays up (and raw) while the program opens and closes it.
    FileDescriptor slave(::open(path.c_str(), O_RDWR | O_NOCTTY));
    if (slave.get() < 0) failSystem("cannot open " + path);
    makeRaw(slave.get(), baud);
    ::fcntl(master.get(), F_SETFL, ::fcntl(master.get(), F_GETFL) | O_NONBLOCK);
    std::printf("%s\n", path.c_str());
    std::fflush(stdout);
    if (wait) waitForGoAhead();
    playInRealTime(master.get(), play, holdSeconds);
}

void playOnPort(const SimulatorPlay& play, const std::string& path, int baud, double holdSeconds, bool wait) {
    FileDescriptor port(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK));
    if (port.get() < 0) failSystem("cannot open " + path);
    if (::isatty(port.get())) makeRaw(port.get(), baud);
    if (wait) waitForGoAhead();
    playInRealTime(port.get(), play, holdSeconds);
}
#else
// Real-time play needs terminals; on Windows the hex lines are what there is.
[[noreturn]] void realTimeUnavailable() {
    throw ToolError("--pty and --port need a POSIX system: use --stdout-hex");
}
void playOnPty(const SimulatorPlay&, int, double, bool) { realTimeUnavailable(); }
void playOnPort(const SimulatorPlay&, const std::string&, int, double, bool) { realTimeUnavailable(); }
#endif

void simulate(const SimulateArgs& args) {
    const int sinks = (args.pty ? 1 : 0) + (args.port.empty() ? 0 : 1) + (args.stdoutHex ? 1 : 0);
    if (sinks != 1) throw ToolError("choose one of --pty, --port PATH or --stdout-hex");
    if (args.wait && args.stdoutHex)
        throw ToolError("--wait plays in real time: use it with --pty or --port");
    const SimulatorOptions options = optionsFrom(args);
    const SimulatorPlay play = playLapCounter(options);
    const int baud = baudRate(options.model);
    if (args.stdoutHex) {
        printHex(play);
    } else if (args.pty) {
        playOnPty(play, baud, args.hold, args.wait);
    } else {
        playOnPort(play, args.port, baud, args.hold, args.wait);
    }
}

}  // namespace

void addSimulateCommand(CLI::App& app, int& status) {
    auto* cmd =
        app.add_subcommand("simulate", "Play a lap counter: start lights, keep-alives, passes, a pause");
    auto args = std::make_shared<SimulateArgs>();
    cmd->add_option("--model", args->model,
                    "0..4 or DS003, DS030, DS300, \"DS300 & DS4port\" (DS4port), DS200")
        ->required();
    cmd->add_option("--first-lane", args->firstLane, "lane number of the device's first sensor")
        ->capture_default_str();
    cmd->add_option("--lanes", args->lanes, "cars on track, one per lane")->capture_default_str();
    cmd->add_option("--lap", args->lap, "typical lap time, seconds")->capture_default_str();
    cmd->add_option("--jitter", args->jitter, "each lap varies by up to this, seconds")
        ->capture_default_str();
    cmd->add_option("--seconds", args->seconds, "racing time of the heat, pause excluded")
        ->capture_default_str();
    cmd->add_option("--seed", args->seed, "seed of the lap-time jitter")->capture_default_str();
    cmd->add_option("--pause", args->pause,
                    "AT:LENGTH, a pause AT seconds into the heat lasting LENGTH seconds");
    cmd->add_option("--hold", args->hold, "seconds to keep the line open after the last message")
        ->capture_default_str();
    cmd->add_flag("--repeat", args->repeat, "send every frame twice, as some devices do");
    cmd->add_flag("--wait", args->wait,
                  "before the first message, wait for a line on standard input (Enter once the program "
                  "listens)");
    cmd->add_flag("--pty", args->pty, "play on a new pseudo-terminal; its path is the first line printed");
    cmd->add_option("--port", args->port, "play on this serial device or file");
    cmd->add_flag("--stdout-hex", args->stdoutHex, "print each message at once as: OFFSET HEX-BYTES");
    cmd->callback([args, &status] {
        simulate(*args);
        status = 0;
    });
}

}  // namespace sc::tool
