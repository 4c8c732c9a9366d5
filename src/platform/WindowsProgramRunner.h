#pragma once

#include "core/image/UpdateServices.h"

namespace platform {

// A program started as a process of its own. It is not ended when the runner goes: an updater that
// outlives the wait goes on writing the device after the tool has ended.
class WindowsProgramRunner : public cfg::image::Program_Runner {
public:
    WindowsProgramRunner() = default;
    ~WindowsProgramRunner() override;
    WindowsProgramRunner(const WindowsProgramRunner&) = delete;
    WindowsProgramRunner& operator=(const WindowsProgramRunner&) = delete;

    bool start(const cfg::image::Program_Launch& launch) override;
    cfg::image::Program_Status status() override;
    void stop() override;

private:
    void release();

    void* process_ = nullptr; // the process's HANDLE
    cfg::image::Program_Status status_;
};

} // namespace platform
