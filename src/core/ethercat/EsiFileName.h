#pragma once

#include <filesystem>

namespace cfg::ethercat {

// The file the ESI generator writes for the name the user chose: a name typed without an
// extension gets ".xml", since the master's tools import only ".xml" files; any extension the
// user typed is kept.
std::filesystem::path ESI_File_Name(const std::filesystem::path& chosen);

} // namespace cfg::ethercat
