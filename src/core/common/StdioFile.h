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
// the system's code page. Both are binary; on failure the stream is empty and errno says why.
Stdio_File open_for_reading(const std::filesystem::path& path);
// Never opens a file that is already there.
Stdio_File create_new_file(const std::filesystem::path& path);

// Flushes the stream and the system's buffers, so the bytes are on the disk; false with errno set.
bool flush_to_disk(std::FILE* file);

} // namespace cfg
