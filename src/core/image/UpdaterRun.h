#pragma once

#include "core/image/UpdateHost.h"
#include "core/image/UpdateOutcome.h"

#include <cstdint>
#include <filesystem>

namespace cfg::image {

// Starts the updater in the folder of its job, without parameters, and waits for it at most
// wait_limit_ms, showing the time waited. One still running at the bound goes on on its own, and the
// runner keeps it.
Update_Result Run_Updater(Program_Runner& runner, Update_Host& host, const std::filesystem::path& program,
                          const std::filesystem::path& job_folder, std::int64_t wait_limit_ms);

} // namespace cfg::image
