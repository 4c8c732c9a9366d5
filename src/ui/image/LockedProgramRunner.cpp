#include "ui/image/LockedProgramRunner.h"

namespace ui {

bool LockedProgramRunner::start(const cfg::image::Program_Launch& launch) {
    const std::lock_guard lock(mutex_);
    return runner_.start(launch);
}

cfg::image::Program_Status LockedProgramRunner::status() {
    const std::lock_guard lock(mutex_);
    return runner_.status();
}

void LockedProgramRunner::stop() {
    const std::lock_guard lock(mutex_);
    runner_.stop();
}

} // namespace ui
