#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace cfg {
struct Application;
}

namespace cfg::ethercat {

// Step 5's write, the same in both front ends: the ESI file of the active configuration, then the
// record of what it describes, where it went and when. Returns how many variables it describes.
std::size_t Write_Configuration_ESI(const Application& app, const std::filesystem::path& file,
                                    std::chrono::system_clock::time_point now);

// Before anything is sent to the device: the warning, in the catalogue's words, that the process
// image the active configuration sends is not the one the ESI file written last describes, that no
// ESI file was ever written, or that the two cannot be compared (a file that cannot be read). Nothing
// when they are in step. A warning only: the update may go on.
std::optional<std::string> ESI_Step_Warning(const Application& app);

} // namespace cfg::ethercat
