#pragma once

#include "core/common/StdioFile.h"

#include <filesystem>
#include <string>
#include <string_view>

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
// Only the safe writers use it; its members live beside them in SafeFile.cpp, with the temporary-name
// and clean-up rules they share.
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

} // namespace cfg
