#pragma once

#include "core/common/StdioFile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace cfg {

// A file's new content, written and flushed to a temporary file beside the target. commit()
// renames it over the target; a staged file that is never committed is removed, so no partial
// file ever stands under the real name. Failures raise ConfigError with the path and the reason.
// The new file keeps what the old one had: its permission bits (a new file gets the usual ones),
// and, when the target is a symlink, its place: the file the link leads to is replaced, staged in
// that file's folder, and the link stays as it was.
//
// The temporary name is short and of one length whatever the target's (".<16 hex digits of the
// target's name>.<8 hex digits>.tmp"), so any name the system allows can be written, and the
// temporary files of one target are known by their first part. The writer holds a lock on its
// temporary file until it is renamed or removed, so that the clean-up of another save leaves it alone.
class StagedFile {
public:
    StagedFile(const std::filesystem::path& target, std::string_view bytes);
    // A copy of the file that stands under the target now, to be put back by commit().
    static StagedFile copy_of(const std::filesystem::path& target);
    ~StagedFile();
    StagedFile(StagedFile&& other) noexcept;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    StagedFile& operator=(StagedFile&&) = delete;

    void commit();

    // The file the content goes to: the target, or the end of the target's chain of links.
    const std::filesystem::path& target() const { return target_; }

private:
    explicit StagedFile(const std::filesystem::path& target);
    void keep_permissions(const std::string& action);
    void close_before_moving();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    Stdio_File file_; // open and locked while the temporary file stands
};

// Raises ConfigError when the target is one the writers refuse: a folder, or a write-protected file
// (no write permission at all, or none for this user), which is replaced only after the user
// changed its permissions.
void check_may_write(const std::filesystem::path& target);

// Replaces the target with the bytes, or leaves the old file as it was and raises ConfigError.
// Temporary files that earlier, interrupted saves of the target left go first; those of saves
// still running stay. A target that is there and is no plain file (a device such as /dev/null, a
// pipe) is written into as it is, never replaced.
void write_file_safely(const std::filesystem::path& target, std::string_view bytes);

struct FileContent {
    std::filesystem::path target;
    std::string bytes;
};

// Stages every file before renaming any, and puts the old files back when a rename fails after
// others succeeded, so a failed write never leaves a mix of old and new files. Targets that are
// no plain files are written into after the others are in place.
void write_files_safely(const std::vector<FileContent>& files);

} // namespace cfg
