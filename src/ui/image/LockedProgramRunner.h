#pragma once

#include "core/image/UpdateServices.h"

#include <mutex>

namespace ui {

// A program runner two threads may ask at once: the update's worker, and the dialog watching an
// updater that outlived the wait. Each call holds the lock only for its own short look.
class LockedProgramRunner : public cfg::image::Program_Runner {
public:
    explicit LockedProgramRunner(cfg::image::Program_Runner& runner) : runner_(runner) {}

    bool start(const cfg::image::Program_Launch& launch) override;
    cfg::image::Program_Status status() override;
    void stop() override;

private:
    cfg::image::Program_Runner& runner_;
    std::mutex mutex_;
};

} // namespace ui
