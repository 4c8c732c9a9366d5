#pragma once

#include "core/image/UpdateServices.h"

class QProcess;

namespace ui {

// The real program start: a process of its own. Its state follows the process's signals, so it
// moves on while events are processed. A program still running when the runner goes is left to
// run on: the updater may be writing the device.
class QtProgramRunner : public cfg::image::Program_Runner {
public:
    QtProgramRunner() = default;
    ~QtProgramRunner() override;
    QtProgramRunner(const QtProgramRunner&) = delete;
    QtProgramRunner& operator=(const QtProgramRunner&) = delete;

    bool start(const cfg::image::Program_Launch& launch) override;
    cfg::image::Program_Status status() override;
    void stop() override;

private:
    void let_go();

    QProcess* process_ = nullptr;
};

} // namespace ui
