#include "core/system_clock.h"

#include <cmath>
#include <ctime>

#include "core/platform.h"

namespace sc {

namespace {
constexpr double kDay = 86400;
}

double SecondsSinceLocalMidnight(std::chrono::system_clock::time_point instant) {
    const std::time_t whole = std::chrono::system_clock::to_time_t(instant);
    const std::tm local = platform::localTime(whole);
    const auto fraction = instant - std::chrono::system_clock::from_time_t(whole);
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                           std::chrono::duration<double>(fraction).count();
    return std::fmod(std::fmod(seconds, kDay) + kDay, kDay);
}

SystemClock::SystemClock()
    : anchor_(std::chrono::steady_clock::now()),
      anchorSeconds_(SecondsSinceLocalMidnight(std::chrono::system_clock::now())) {}

double SystemClock::now() const {
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - anchor_).count();
    return std::fmod(anchorSeconds_ + elapsed, kDay);
}

}  // namespace sc
