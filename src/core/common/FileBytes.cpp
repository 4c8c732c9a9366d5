#include "core/common/FileBytes.h"

#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/common/StdioFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace cfg {
namespace {

[[noreturn]] void fail(const std::filesystem::path& file, const std::string& reason) {
    throw ConfigError("Cannot read \"" + utf8_path(file) + "\": " + reason);
}

[[noreturn]] void too_large(const std::filesystem::path& file, std::uintmax_t limit) {
    fail(file, "it is larger than " + std::to_string(limit) + " bytes, more than a file of its kind can be");
}

// Refuses what cannot be read as a file before opening it: a folder opens, and only its reading fails.
// The size of a plain file, nothing for a file that tells none.
std::optional<std::uintmax_t> check_before_reading(const std::filesystem::path& file, std::uintmax_t limit) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error)
        fail(file, error.message());
    if (std::filesystem::is_directory(status))
        fail(file, std::make_error_code(std::errc::is_a_directory).message());
    if (!std::filesystem::is_regular_file(status))
        return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        return std::nullopt;
    if (size > limit)
        too_large(file, limit);
    return size;
}

} // namespace

std::string read_file_bytes(const std::filesystem::path& file, std::uintmax_t limit) {
    const std::optional<std::uintmax_t> size = check_before_reading(file, limit);
    const Stdio_File stream = open_for_reading(file);
    if (!stream)
        fail(file, std::strerror(errno));
    // A file of known size comes in one read, asking one byte more to notice a file that grew since;
    // one without a size, or one that grew, comes in pieces and stops at the limit.
    constexpr std::uintmax_t piece = 65536;
    std::uintmax_t wanted = size ? *size + 1 : piece;
    std::string bytes;
    for (;;) {
        const std::size_t held = bytes.size();
        const auto asked = static_cast<std::size_t>(std::min(wanted, limit + 1 - held));
        bytes.resize(held + asked);
        const std::size_t got = std::fread(bytes.data() + held, 1, asked, stream.get());
        bytes.resize(held + got);
        if (bytes.size() > limit)
            too_large(file, limit);
        if (got < asked)
            break;
        wanted = piece;
    }
    if (std::ferror(stream.get()))
        fail(file, std::strerror(errno));
    return bytes;
}

std::optional<std::string> read_file_if_present(const std::filesystem::path& file, std::uintmax_t limit) {
    std::error_code error;
    if (std::filesystem::status(file, error).type() == std::filesystem::file_type::not_found)
        return std::nullopt;
    return read_file_bytes(file, limit);
}

std::optional<File_Bytes> file_bytes_of(const std::filesystem::path& file,
                                        const std::optional<std::string>& bytes) {
    if (!bytes)
        return std::nullopt;
    return File_Bytes{utf8_path(file), *bytes};
}

} // namespace cfg
