#pragma once

#include "core/image/UpdateHost.h"
#include "core/image/UpdateOutcome.h"
#include "core/image/UpdaterProgram.h"

#include <cstdint>
#include <filesystem>

namespace cfg::image {

// Starts the updater (or, for a check-only run, the check program) in the folder of its job,
// without parameters, and waits for it at most wait_limit_ms, showing the time waited. One still
// running at the bound goes on on its own, and the runner keeps it.
Update_Result Run_Updater(Program_Runner& runner, Update_Host& host, const Found_Program& program,
                          const std::filesystem::path& job_folder, bool check_only,
                          std::int64_t wait_limit_ms);

} // namespace cfg::image
