#include "platform/SleepingHost.h"

#include <chrono>
#include <thread>

namespace platform {

std::int64_t SleepingHost::now_ms() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool SleepingHost::pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return true;
}

} // namespace platform
