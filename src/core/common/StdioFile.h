#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>

namespace cfg {

struct Stdio_Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using Stdio_File = std::unique_ptr<std::FILE, Stdio_Closer>;

// C streams on a path of any name: on Windows through the wide calls, since a narrow name is in
// the system's code page. All are binary, and none is handed down to a program started from here,
// whose copy would hold on to a lock taken on it; on failure the stream is empty and errno says why.
Stdio_File open_for_reading(const std::filesystem::path& path);
// Never opens a file that is already there.
Stdio_File create_new_file(const std::filesystem::path& path);
// Opens what stands under the path for writing, emptied, or makes a new file there.
Stdio_File open_for_writing(const std::filesystem::path& path);
// Opens the file, made empty when it is missing, without changing what it holds.
Stdio_File open_or_create(const std::filesystem::path& path);

// Flushes the stream and the system's buffers, so the bytes are on the disk; false with errno set.
// A device or a pipe, which keeps nothing to flush, counts as flushed.
bool flush_to_disk(std::FILE* file);

// Copies what is left to read of one stream into the other; false with errno set.
bool copy_content(std::FILE* from, std::FILE* to);

// False only when the system denies this user writing into the file (an administrator may write
// into any file).
bool user_may_write(const std::filesystem::path& path);

// POSIX renames a file that is open; Windows refuses to for a file the C runtime opened.
#ifdef _WIN32
inline constexpr bool Open_Files_Can_Be_Renamed = false;
#else
inline constexpr bool Open_Files_Can_Be_Renamed = true;
#endif

} // namespace cfg
