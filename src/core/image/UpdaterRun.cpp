#include "core/image/UpdaterRun.h"

#include "core/common/PathText.h"

#include <algorithm>

namespace cfg::image {
namespace {

Program_Launch launch_of(const Found_Program& program, const std::filesystem::path& job_folder) {
    if (program.launcher.empty())
        return {program.file, {}, job_folder, false};
    return {program.launcher, {utf8_path(program.file)}, job_folder, false};
}

} // namespace

Update_Result Run_Updater(Program_Runner& runner, Update_Host& host, const Found_Program& program,
                          const std::filesystem::path& job_folder, bool check_only,
                          std::int64_t wait_limit_ms) {
    Update_Result running{Update_Outcome::Updater_Still_Running, Ping_None, 0, program.file, 0, check_only,
                          job_folder / Check_Log_File_Name};
    if (!runner.start(launch_of(program, job_folder))) {
        running.outcome = Update_Outcome::Updater_Not_Started;
        return running;
    }
    const Update_Phase phase = check_only ? Update_Phase::Check_Running : Update_Phase::Updater_Running;
    const std::int64_t started = host.now_ms();
    for (;;) {
        const Program_Status status = runner.status();
        if (status.state != Program_State::Running)
            return Updater_Ended(status, running);
        const std::int64_t waited = host.now_ms() - started;
        if (waited >= wait_limit_ms) {
            running.waited_ms = waited;
            return running;
        }
        host.progress({phase, {}, waited, wait_limit_ms});
        // The updater is writing the device: closing the window does not end this wait.
        host.pause(static_cast<int>(std::min<std::int64_t>(Program_Poll_Ms, wait_limit_ms - waited)));
    }
}

} // namespace cfg::image
