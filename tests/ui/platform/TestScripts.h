#pragma once

#include "support/TempDir.h"

#include <filesystem>
#include <string>

namespace ui::test {

// A small shell program standing in for the updater or another tool.
inline void write_script(const std::filesystem::path& file, const std::string& body) {
    cfg::test::write_bytes(file, "#!/bin/sh\n" + body);
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
}

} // namespace ui::test
