#include "core/common/FileBytes.h"

#include "core/common/ConfigError.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace cfg {
namespace {

[[noreturn]] void fail(const std::filesystem::path& file, const std::string& reason) {
    throw ConfigError("Cannot read \"" + file.string() + "\": " + reason);
}

[[noreturn]] void too_large(const std::filesystem::path& file, std::uintmax_t limit) {
    fail(file, "it is larger than " + std::to_string(limit) + " bytes, more than a file of its kind can be");
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Refuses what cannot be read as a file before opening it: a folder opens, and only its reading fails.
void check_before_reading(const std::filesystem::path& file, std::uintmax_t limit) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error)
        fail(file, error.message());
    if (std::filesystem::is_directory(status))
        fail(file, std::make_error_code(std::errc::is_a_directory).message());
    if (!std::filesystem::is_regular_file(status))
        return;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error && size > limit)
        too_large(file, limit);
}

} // namespace

std::string read_file_bytes(const std::filesystem::path& file, std::uintmax_t limit) {
    check_before_reading(file, limit);
    const std::unique_ptr<std::FILE, FileCloser> stream(std::fopen(file.c_str(), "rb"));
    if (!stream)
        fail(file, std::strerror(errno));
    std::string bytes;
    std::array<char, 65536> buffer;
    std::size_t got = 0;
    do {
        got = std::fread(buffer.data(), 1, buffer.size(), stream.get());
        // A file that grew since its size was checked, or one without a size, stops at the limit.
        if (got > limit - bytes.size())
            too_large(file, limit);
        bytes.append(buffer.data(), got);
    } while (got == buffer.size());
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
    return File_Bytes{file.string(), *bytes};
}

} // namespace cfg
