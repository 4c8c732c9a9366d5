#include "core/common/SafeFile.h"

#include "core/common/ConfigError.h"
#include "core/common/FileLock.h"
#include "core/common/HexDigits.h"
#include "core/common/PathText.h"
#include "core/common/StagedFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <random>

namespace cfg {
namespace {

[[noreturn]] void fail(const std::string& action, const std::filesystem::path& path,
                       const std::string& reason) {
    throw ConfigError("Cannot " + action + " \"" + utf8_path(path) + "\": " + reason);
}

std::string system_reason() {
    return std::strerror(errno);
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

// ".<hash of the target's name>.": what every temporary file of the target starts with.
std::string temporary_prefix(const std::filesystem::path& target) {
    return "." + hex_text(name_hash(utf8_path(target.filename())), 16) + ".";
}

// The second part tells apart the files staged for one target at the same time, in this program
// (a new file and the copy of the old one) or in another one; it starts at random in each run.
std::filesystem::path temporary_name_for(const std::filesystem::path& target) {
    static std::atomic<std::uint32_t> counter{std::random_device{}()};
    return target.parent_path() /
           (temporary_prefix(target) + hex_text(counter++, 8) + std::string(Temporary_Suffix));
}

bool is_temporary_of(const std::string& prefix, const std::string& name) {
    constexpr std::size_t unique_digits = 8;
    if (name.size() != prefix.size() + unique_digits + Temporary_Suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(Temporary_Suffix))
        return false;
    const std::string_view unique = std::string_view(name).substr(prefix.size(), unique_digits);
    return unique.find_first_not_of(Lower_Hex_Digits) == std::string_view::npos;
}

std::filesystem::path folder_of(const std::filesystem::path& file) {
    return file.parent_path().empty() ? "." : file.parent_path();
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

enum class Write_Way { Replace, In_Place };

// A device or a pipe is written into: replacing it would put a plain file where the system, or
// the program reading the pipe, expects the device.
Write_Way way_to_write(const std::filesystem::path& target) {
    check_may_write(target);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(target, error);
    return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) ? Write_Way::In_Place
                                                                                        : Write_Way::Replace;
}

// Why no temporary file could be made beside the target, said of the target's folder.
[[noreturn]] void fail_to_stage(const std::filesystem::path& target, const std::string& reason) {
    const std::filesystem::path folder = folder_of(target);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(folder, error);
    if (status.type() == std::filesystem::file_type::not_found)
        fail("write", target, "the folder \"" + utf8_path(folder) + "\" does not exist");
    if (std::filesystem::exists(status) && !std::filesystem::is_directory(status))
        fail("write", target, "\"" + utf8_path(folder) + "\" is not a folder");
    fail("write", target, "no new file can be made in its folder \"" + utf8_path(folder) + "\": " + reason);
}

// A temporary file whose writer has gone: nobody holds its lock, and it is still the file its name
// shows (not one that a save renamed or a clean-up removed meanwhile).
bool writer_has_gone(const std::filesystem::path& temporary, std::FILE* file) {
    return file && try_lock_file(file) && path_names_file(temporary, file);
}

// Removes what saves of the targets that were killed half-way left beside them, reading each folder
// once. The temporary files of saves still running, here or in another program, are locked and stay.
void remove_interrupted_saves(const std::vector<std::filesystem::path>& targets) {
    std::map<std::filesystem::path, std::vector<std::string>> prefixes_by_folder;
    for (const std::filesystem::path& target : targets) {
        const std::filesystem::path file = final_target(target);
        prefixes_by_folder[folder_of(file)].push_back(temporary_prefix(file));
    }
    for (const auto& [folder, prefixes] : prefixes_by_folder) {
        std::error_code error;
        std::vector<std::filesystem::path> leftovers;
        for (auto it = std::filesystem::directory_iterator(folder, error);
             !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
            const std::string name = utf8_path(it->path().filename());
            if (std::ranges::any_of(prefixes,
                                    [&](const std::string& prefix) { return is_temporary_of(prefix, name); }))
                leftovers.push_back(it->path());
        }
        for (const std::filesystem::path& path : leftovers) {
            Stdio_File file = open_for_reading(path);
            if (!writer_has_gone(path, file.get()))
                continue;
            if constexpr (!Open_Files_Can_Be_Renamed)
                file.reset();
            std::filesystem::remove(path, error);
        }
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

// Returns the system's reason when the bytes could not be written and flushed.
std::optional<std::string> write_and_flush(std::FILE* file, std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        return system_reason();
    if (!flush_to_disk(file))
        return system_reason();
    return std::nullopt;
}

void write_in_place(const std::filesystem::path& target, std::string_view bytes) {
    Stdio_File file = open_for_writing(target);
    if (!file)
        fail("write", target, system_reason());
    if (const auto reason = write_and_flush(file.get(), bytes))
        fail("write", target, *reason);
    if (std::fclose(file.release()) != 0)
        fail("write", target, system_reason());
}

// Stages every file, puts them in place, and puts the old files back when a rename fails after
// others succeeded.
void replace_together(const std::vector<const FileContent*>& files) {
    std::vector<std::filesystem::path> targets;
    for (const FileContent* file : files)
        targets.push_back(file->target);
    remove_interrupted_saves(targets);
    std::vector<StagedFile> staged;
    staged.reserve(files.size());
    for (const FileContent* file : files)
        staged.emplace_back(file->target, file->bytes);

    // A copy of each old file, so that a rename failing after others succeeded can put them back.
    std::vector<std::optional<StagedFile>> old_files;
    for (const FileContent* file : files) {
        std::error_code missing;
        if (files.size() > 1 && std::filesystem::is_regular_file(file->target, missing))
            old_files.emplace_back(StagedFile::copy_of(file->target));
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

} // namespace

// A name that another save holds is passed over. A clean-up in another program may take a temporary
// file in the moment between its making and its lock; then the file is gone once the lock is had,
// and a new one is made.
StagedFile::StagedFile(const std::filesystem::path& target) : target_(final_target(target)) {
    constexpr int Tries = 8;
    for (int tries = 0; tries < Tries; ++tries) {
        temporary_ = temporary_name_for(target_);
        file_ = create_new_file(temporary_);
        if (!file_ && errno == EEXIST)
            continue;
        if (!file_) {
            const std::string reason = system_reason();
            temporary_.clear();
            fail_to_stage(target_, reason);
        }
        if (!lock_file(file_.get()) || path_names_file(temporary_, file_.get()))
            return;
        file_.reset();
    }
    temporary_.clear();
    fail("write", target_, "no temporary file could be made beside it: other programs took each one");
}

// Reports the file the user asked for, not the temporary one; the destructor removes the latter.
StagedFile::StagedFile(const std::filesystem::path& target, std::string_view bytes) : StagedFile(target) {
    keep_permissions("write");
    if (const std::optional<std::string> reason = write_and_flush(file_.get(), bytes))
        fail("write", target_, *reason);
}

// Copied piece by piece, without holding the file in memory.
StagedFile StagedFile::copy_of(const std::filesystem::path& target) {
    StagedFile copy(target);
    copy.keep_permissions("keep a copy of");
    const Stdio_File old_file = open_for_reading(copy.target_);
    if (!old_file || !copy_content(old_file.get(), copy.file_.get()) || !flush_to_disk(copy.file_.get()))
        fail("keep a copy of", copy.target_, system_reason());
    return copy;
}

// The temporary file gets the target's permission bits before any byte is in it, so content kept
// from others never shows.
void StagedFile::keep_permissions(const std::string& action) {
    const std::optional<std::filesystem::perms> permissions = permissions_of(target_);
    std::error_code error;
    if (permissions)
        std::filesystem::permissions(temporary_, *permissions, std::filesystem::perm_options::replace, error);
    if (error)
        fail(action, target_, error.message());
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)),
      file_(std::move(other.file_)) {
    other.temporary_.clear();
}

// The lock goes only after the temporary file has: a clean-up never takes a file that is still wanted.
StagedFile::~StagedFile() {
    if (!temporary_.empty()) {
        close_before_moving();
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void StagedFile::close_before_moving() {
    if constexpr (!Open_Files_Can_Be_Renamed)
        file_.reset();
}

void StagedFile::commit() {
    close_before_moving();
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error)
        fail("write", target_, error.message());
    temporary_.clear();
    file_.reset();
}

void check_may_write(const std::filesystem::path& target) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(target, error);
    if (std::filesystem::is_directory(status))
        fail("write", target, std::make_error_code(std::errc::is_a_directory).message());
    constexpr auto write_bits = std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                std::filesystem::perms::others_write;
    if (std::filesystem::is_regular_file(status) &&
        ((status.permissions() & write_bits) == std::filesystem::perms::none || !user_may_write(target)))
        fail("write", target, "the file is write-protected");
}

void write_file_safely(const std::filesystem::path& target, std::string_view bytes) {
    write_files_safely({{target, std::string(bytes)}});
}

void write_files_safely(const std::vector<FileContent>& files) {
    std::vector<const FileContent*> replaced;
    std::vector<const FileContent*> in_place;
    for (const FileContent& file : files)
        (way_to_write(file.target) == Write_Way::In_Place ? in_place : replaced).push_back(&file);
    replace_together(replaced);
    for (const FileContent* file : in_place)
        write_in_place(file->target, file->bytes);
}

} // namespace cfg
