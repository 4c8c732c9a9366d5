#include "core/common/SafeFile.h"

#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/common/StdioFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <span>

namespace cfg {
namespace {

[[noreturn]] void fail(const std::string& action, const std::filesystem::path& path,
                       const std::string& reason) {
    throw ConfigError("Cannot " + action + " \"" + utf8_path(path) + "\": " + reason);
}

constexpr std::string_view Temporary_Suffix = ".tmp";

// FNV-1a: the same digits for the same name in every run, so a later save finds what an
// interrupted one left.
std::uint64_t name_hash(const std::string& name) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3u;
    }
    return hash;
}

std::string hex_digits(std::uint64_t value, int digits) {
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0 && value != 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = "0123456789abcdef"[value & 0xF];
    return text;
}

// ".<hash of the target's name>.": what every temporary file of the target starts with.
std::string temporary_prefix(const std::filesystem::path& target) {
    return "." + hex_digits(name_hash(utf8_path(target.filename())), 16) + ".";
}

// The second part tells apart the files staged for one target at the same time, in this program
// (a new file and the copy of the old one) or in another one; it starts at random in each run.
std::filesystem::path temporary_name_for(const std::filesystem::path& target) {
    static std::atomic<std::uint32_t> counter{std::random_device{}()};
    return target.parent_path() /
           (temporary_prefix(target) + hex_digits(counter++, 8) + std::string(Temporary_Suffix));
}

bool is_temporary_of(const std::string& prefix, const std::string& name) {
    constexpr std::size_t unique_digits = 8;
    if (name.size() != prefix.size() + unique_digits + Temporary_Suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(Temporary_Suffix))
        return false;
    const std::string_view unique = std::string_view(name).substr(prefix.size(), unique_digits);
    return unique.find_first_not_of("0123456789abcdef") == std::string_view::npos;
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

// Removes what saves of the targets that were killed half-way left beside them, reading each folder
// once. A save in another program running at this moment may lose its temporary file too; its
// rename then fails and it says so, and the target holds one whole version or the other.
void remove_interrupted_saves(std::span<const std::filesystem::path> targets) {
    std::map<std::filesystem::path, std::vector<std::string>> prefixes_by_folder;
    for (const std::filesystem::path& target : targets) {
        const std::filesystem::path file = final_target(target);
        const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
        prefixes_by_folder[folder].push_back(temporary_prefix(file));
    }
    for (const auto& [folder, prefixes] : prefixes_by_folder) {
        std::error_code error;
        std::vector<std::filesystem::path> stale;
        for (auto it = std::filesystem::directory_iterator(folder, error);
             !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
            const std::string name = utf8_path(it->path().filename());
            if (std::ranges::any_of(prefixes,
                                    [&](const std::string& prefix) { return is_temporary_of(prefix, name); }))
                stale.push_back(it->path());
        }
        for (const std::filesystem::path& path : stale)
            std::filesystem::remove(path, error);
    }
}

// The permission bits of the file that stands under the name, nothing for a new file.
std::optional<std::filesystem::perms> permissions_of(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status))
        return std::nullopt;
    return status.permissions();
}

// Returns the system's reason when the bytes could not be written, flushed and closed. The file
// gets the permission bits before any byte is in it, so content kept from others never shows.
std::optional<std::string> write_and_flush(const std::filesystem::path& path, std::string_view bytes,
                                           std::optional<std::filesystem::perms> permissions) {
    Stdio_File file = create_new_file(path);
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
    if (!flush_to_disk(file.get()))
        return std::strerror(errno);
    if (std::fclose(file.release()) != 0)
        return std::strerror(errno);
    return std::nullopt;
}

} // namespace

StagedFile::StagedFile(const std::filesystem::path& target)
    : target_(final_target(target)), temporary_(temporary_name_for(target_)) {}

StagedFile::StagedFile(const std::filesystem::path& target, std::string_view bytes) : StagedFile(target) {
    std::error_code ignored;
    if (const auto reason = write_and_flush(temporary_, bytes, permissions_of(target_))) {
        std::filesystem::remove(temporary_, ignored);
        temporary_.clear();
        // Report the file the user asked for, not the temporary one.
        fail("write", target_, *reason);
    }
}

StagedFile StagedFile::copy_of(const std::filesystem::path& target) {
    StagedFile copy(target);
    std::error_code error;
    // Copied by the system, permission bits included, without holding the file in memory.
    std::filesystem::copy_file(copy.target_, copy.temporary_, std::filesystem::copy_options::none, error);
    if (error)
        fail("keep a copy of", copy.target_, error.message()); // the destructor removes what was copied
    return copy;
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
    remove_interrupted_saves({&target, 1});
    StagedFile staged(target, bytes);
    staged.commit();
}

void write_files_safely(const std::vector<FileContent>& files) {
    std::vector<std::filesystem::path> targets;
    for (const FileContent& file : files)
        targets.push_back(file.target);
    remove_interrupted_saves(targets);
    std::vector<StagedFile> staged;
    staged.reserve(files.size());
    for (const FileContent& file : files)
        staged.emplace_back(file.target, file.bytes);

    // A copy of each old file, so that a rename failing after others succeeded can put them back.
    std::vector<std::optional<StagedFile>> old_files;
    for (const FileContent& file : files) {
        std::error_code missing;
        if (std::filesystem::is_regular_file(file.target, missing))
            old_files.emplace_back(StagedFile::copy_of(file.target));
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

} // namespace cfg
