#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace cfg {

// The numbers (as decimal texts, ascending, without "COM") of the serial ports 1 to 256 that are
// present, busy ones included. On Linux port n is the device file ttyS<n-1> in device_folder, the
// numbering the kernel's serial driver and common Windows compatibility layers share; a port is
// present when its device opens, or refuses because another program holds it or access is denied.
std::vector<std::string> List_COM_Ports(const std::filesystem::path& device_folder = "/dev");

} // namespace cfg
