#include "core/common/SafeFile.h"

#include "core/common/ConfigError.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace cfg {
namespace {

std::string path_text(const std::filesystem::path& path) {
    return path.string();
}

[[noreturn]] void fail(const std::string& action, const std::filesystem::path& path,
                       const std::string& reason) {
    throw ConfigError("Cannot " + action + " \"" + path_text(path) + "\": " + reason);
}

std::filesystem::path temporary_name_for(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::ostringstream name;
    name << '.' << target.filename().string() << '.' << std::hex << stamp << '.' << counter++ << ".tmp";
    return target.parent_path() / name.str();
}

// The file a write to path lands in. A symlink is followed to the end of its chain (the last link
// may name a file that does not exist yet), so that the link stays a link and shows the new content.
std::filesystem::path final_target(std::filesystem::path path) {
    // As many links as the system itself follows before it gives up.
    constexpr int Max_Links = 40;
    for (int links = 0; links < Max_Links; ++links) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error)))
            return path;
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error)
            fail("write", path, error.message());
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    fail("write", path, std::make_error_code(std::errc::too_many_symbolic_link_levels).message());
}

// The permission bits of the file that stands under the name, nothing for a new file.
std::optional<std::filesystem::perms> permissions_of(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status))
        return std::nullopt;
    return status.permissions();
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Returns the system's reason when the bytes could not be written, flushed and closed. The file
// gets the permission bits before any byte is in it, so content kept from others never shows.
std::optional<std::string> write_and_flush(const std::filesystem::path& path, std::string_view bytes,
                                           std::optional<std::filesystem::perms> permissions) {
    // "x": never open a file that is already there.
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wbx"));
    if (!file)
        return std::strerror(errno);
    if (permissions) {
        std::error_code error;
        std::filesystem::permissions(path, *permissions, std::filesystem::perm_options::replace, error);
        if (error)
            return error.message();
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return std::strerror(errno);
    if (std::fflush(file.get()) != 0)
        return std::strerror(errno);
#ifndef _WIN32
    if (::fsync(::fileno(file.get())) != 0)
        return std::strerror(errno);
#endif
    if (std::fclose(file.release()) != 0)
        return std::strerror(errno);
    return std::nullopt;
}

} // namespace

StagedFile::StagedFile(const std::filesystem::path& target, std::string_view bytes)
    : target_(final_target(target)), temporary_(temporary_name_for(target_)) {
    std::error_code ignored;
    if (const auto reason = write_and_flush(temporary_, bytes, permissions_of(target_))) {
        std::filesystem::remove(temporary_, ignored);
        temporary_.clear();
        // Report the file the user asked for, not the temporary one.
        fail("write", target_, *reason);
    }
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)) {
    other.temporary_.clear();
}

StagedFile::~StagedFile() {
    if (!temporary_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void StagedFile::commit() {
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error)
        fail("write", target_, error.message());
    temporary_.clear();
}

void write_file_safely(const std::filesystem::path& target, std::string_view bytes) {
    StagedFile staged(target, bytes);
    staged.commit();
}

void write_files_safely(const std::vector<FileContent>& files) {
    std::vector<StagedFile> staged;
    staged.reserve(files.size());
    for (const FileContent& file : files)
        staged.emplace_back(file.target, file.bytes);

    // A copy of each old file, so that a rename failing after others succeeded can put them back.
    std::vector<std::optional<StagedFile>> old_files;
    for (const FileContent& file : files) {
        std::error_code missing;
        if (std::filesystem::is_regular_file(file.target, missing))
            old_files.emplace_back(StagedFile(file.target, read_file_bytes(file.target)));
        else
            old_files.emplace_back();
    }

    std::size_t committed = 0;
    try {
        for (; committed < staged.size(); ++committed)
            staged[committed].commit();
    } catch (const ConfigError&) {
        for (std::size_t i = 0; i < committed; ++i) {
            std::error_code ignored;
            if (old_files[i])
                old_files[i]->commit();
            else
                std::filesystem::remove(staged[i].target(), ignored);
        }
        throw;
    }
}

std::string read_file_bytes(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        fail("read", file, std::strerror(errno));
    std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (stream.bad())
        fail("read", file, std::strerror(errno));
    return bytes;
}

} // namespace cfg
