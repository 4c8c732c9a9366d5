#include "core/image/UpdaterRun.h"

#include <algorithm>

namespace cfg::image {

Update_Result Run_Updater(Program_Runner& runner, Update_Host& host, const std::filesystem::path& program,
                          const std::filesystem::path& job_folder, std::int64_t wait_limit_ms) {
    if (!runner.start({program, {}, job_folder, false}))
        return {Update_Outcome::Updater_Not_Started, Ping_None, 0, program};
    const std::int64_t started = host.now_ms();
    for (;;) {
        const Program_Status status = runner.status();
        if (status.state != Program_State::Running)
            return Updater_Ended(status);
        const std::int64_t waited = host.now_ms() - started;
        if (waited >= wait_limit_ms)
            return {Update_Outcome::Updater_Still_Running, Ping_None, 0, program, waited};
        host.progress({Update_Phase::Updater_Running, {}, waited, wait_limit_ms});
        // The updater is writing the device: closing the window does not end this wait.
        host.pause(static_cast<int>(std::min<std::int64_t>(Program_Poll_Ms, wait_limit_ms - waited)));
    }
}

} // namespace cfg::image
