#pragma once

#include <cstdio>
#include <filesystem>

namespace cfg {

// Advisory, exclusive locks on open files. The system drops a lock when its file is closed or its
// process ends, so a writer that was killed never leaves one behind. Two opens of one file exclude
// each other even within one process.

// True when the lock was taken; false when another open of the file holds it, or when the file
// system keeps no locks.
bool try_lock_file(std::FILE* file);
// The same, waiting while another open of the file holds it; false only when the file system keeps
// no locks.
bool lock_file(std::FILE* file);

// Whether the path still names the open file: false once it was removed or replaced.
bool path_names_file(const std::filesystem::path& path, std::FILE* file);

} // namespace cfg
