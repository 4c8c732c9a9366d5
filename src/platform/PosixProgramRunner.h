#pragma once

#include "core/image/UpdateServices.h"

#include <sys/types.h>

namespace platform {

// A program started as a process of its own. It is not ended when the runner goes: an updater that
// outlives the wait goes on writing the device after the tool has ended.
class PosixProgramRunner : public cfg::image::Program_Runner {
public:
    PosixProgramRunner() = default;
    PosixProgramRunner(const PosixProgramRunner&) = delete;
    PosixProgramRunner& operator=(const PosixProgramRunner&) = delete;

    bool start(const cfg::image::Program_Launch& launch) override;
    cfg::image::Program_Status status() override;
    void stop() override;

private:
    pid_t pid_ = -1;
    cfg::image::Program_Status status_;
};

} // namespace platform
