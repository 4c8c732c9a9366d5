#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cfg {

// A file's content held in memory, with the name that messages about it give (as a rule its path),
// so that a reader can take content that never was on a disk.
struct File_Bytes {
    std::string name;
    std::string_view bytes;
};

// Configuration files and language files take a few hundred kilobytes at the very most; a file
// larger than this is none of them and is refused before it is read.
inline constexpr std::uintmax_t Text_File_Limit = 4 * 1024 * 1024;

// The whole content of a file. ConfigError naming the file and the system's reason when it cannot be
// read, and when it holds more than limit bytes: the size of a plain file is checked before a byte is
// read, and a file that does not tell its size (a device, a pipe) is read no further than the limit.
std::string read_file_bytes(const std::filesystem::path& file, std::uintmax_t limit);

// The same for a file that may be missing: nothing when no file stands under the name (a link that
// leads nowhere included).
std::optional<std::string> read_file_if_present(const std::filesystem::path& file, std::uintmax_t limit);

// What read_file_if_present gave, named by the file's path, for a reader that takes several files;
// the result views the bytes, which must outlive it.
std::optional<File_Bytes> file_bytes_of(const std::filesystem::path& file,
                                        const std::optional<std::string>& bytes);

} // namespace cfg
