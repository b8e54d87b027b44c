#include "model/SystemClock.h"

#include <chrono>
#include <thread>

const SystemClock& SystemClock::instance() {
    static const SystemClock clock;
    return clock;
}

std::uint64_t SystemClock::milliseconds() const {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<std::chrono::milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::int64_t SystemClock::seconds() const {
    using namespace std::chrono;
    return duration_cast<std::chrono::seconds>(system_clock::now().time_since_epoch()).count();
}

void SystemClock::pause() const {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
}
