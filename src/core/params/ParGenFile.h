#pragma once

#include "core/common/FileBytes.h"
#include "core/common/ParGenRoot.h"
#include "core/params/ParGenSet.h"

#include <filesystem>
#include <string>

namespace cfg {

// Reads ParGen.xml. A missing file gives the defaults, a missing key its default; the keys are
// read under the root element. Serial-port choices come back as their listed texts. A file that
// cannot be read or is not well-formed raises ConfigError naming the file and the reason.
ParGen_Set Load_ParGen(const std::filesystem::path& file);
// The same for the content of a ParGen.xml held in memory.
ParGen_Set Load_ParGen(const File_Bytes& file);

// The 36 keys in file order under Par_Gen, followed at top level by the version comment.
std::string ParGen_Bytes(const ParGen_Set& set);

// Writes ParGen_Bytes, replacing the file safely. ConfigError when it cannot be written; the old
// file then stays.
void Save_ParGen(const ParGen_Set& set, const std::filesystem::path& file);

} // namespace cfg
