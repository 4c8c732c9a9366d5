#include "core/ethercat/EsiFileName.h"

namespace cfg::ethercat {

std::filesystem::path ESI_File_Name(const std::filesystem::path& chosen) {
    if (chosen.empty() || chosen.has_extension())
        return chosen;
    std::filesystem::path file = chosen;
    file += ".xml";
    return file;
}

} // namespace cfg::ethercat
