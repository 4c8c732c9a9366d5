#pragma once

#include "core/common/FileContent.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace cfg {

// Raises ConfigError when the target is one the writers refuse: a folder, or a write-protected file
// (no write permission at all, or none for this user), which is replaced only after the user
// changed its permissions.
void check_may_write(const std::filesystem::path& target);

// Replaces the target with the bytes, or leaves the old file as it was and raises ConfigError.
// Temporary files that earlier, interrupted saves of the target left go first; those of saves
// still running stay. A target that is there and is no plain file (a device such as /dev/null, a
// pipe) is written into as it is, never replaced.
void write_file_safely(const std::filesystem::path& target, std::string_view bytes);

// Stages every file before renaming any, and puts the old files back when a rename fails after
// others succeeded, so a failed write never leaves a mix of old and new files. Targets that are
// no plain files are written into after the others are in place.
void write_files_safely(const std::vector<FileContent>& files);

} // namespace cfg
