#pragma once

#include "core/image/UpdateJob.h"

namespace cfg {
struct Application;
}

namespace cfg::image {

// The first half of step 6, the same in both front ends: the active configuration's three files
// compiled into its bin/bank1.bin, bank2.bin and bank3.bin. ConfigError when a file cannot be read
// or a bank cannot be written; the old banks then stay as they were.
void Compile_Configuration(const Application& app);

// The folders the updater's job names for the active configuration.
Update_Job_Folders Job_Folders(const Application& app);

} // namespace cfg::image
