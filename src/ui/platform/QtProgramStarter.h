#pragma once

#include "ui/platform/ProgramStarter.h"

namespace ui {

// The real program start: a process of its own, started in the program's folder.
class QtProgramStarter : public ProgramStarter {
public:
    explicit QtProgramStarter(int wait_limit_ms = Updater_Wait_Limit_Ms) : wait_limit_ms_(wait_limit_ms) {}

    Start_Outcome Start_Program(const std::filesystem::path& NomeSW, const QString& Parameter,
                                std::uint8_t tipo) override;

private:
    int wait_limit_ms_;
};

} // namespace ui
