#pragma once

#include "core/params/ParGenSet.h"

#include <filesystem>

namespace cfg {

// Reads ParGen.xml. A missing file gives the defaults, a missing key its default; the first
// top-level node is the root, so a file that starts with anything else gives all defaults.
// Serial-port choices come back as their listed texts. A file that is not well-formed raises
// ConfigError naming the file and the parser's reason.
ParGen_Set Load_ParGen(const std::filesystem::path& file);

// Writes the 36 keys in file order under Par_Gen, followed at top level by the version comment,
// replacing the file safely. ConfigError when it cannot be written; the old file then stays.
void Save_ParGen(const ParGen_Set& set, const std::filesystem::path& file);

} // namespace cfg
