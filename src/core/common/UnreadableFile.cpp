#include "core/common/UnreadableFile.h"

#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/common/StdioFile.h"

#include <cerrno>
#include <cstring>

namespace cfg {

std::filesystem::path Unreadable_Copy_Path(const std::filesystem::path& file) {
    std::filesystem::path copy = file;
    copy += ".unreadable";
    std::error_code error;
    for (int number = 2; std::filesystem::exists(std::filesystem::symlink_status(copy, error)); ++number) {
        copy = file;
        copy += ".unreadable." + std::to_string(number);
    }
    return copy;
}

// A copy that fails on the way (a full disk) is removed: an empty or cut copy would pass for the
// file's bytes.
std::filesystem::path Keep_Unreadable_File(const std::filesystem::path& file) {
    const std::filesystem::path copy = Unreadable_Copy_Path(file);
    const Stdio_File from = open_for_reading(file);
    Stdio_File to = from ? create_new_file(copy) : nullptr;
    const bool made = static_cast<bool>(to);
    bool copied = made && copy_content(from.get(), to.get()) && flush_to_disk(to.get());
    std::string reason = std::strerror(errno);
    if (made && std::fclose(to.release()) != 0 && copied) {
        copied = false;
        reason = std::strerror(errno);
    }
    if (made && !copied) {
        std::error_code ignored;
        std::filesystem::remove(copy, ignored);
    }
    if (!copied)
        throw ConfigError("The unreadable file \"" + utf8_path(file) + "\" could not be kept as \"" +
                          utf8_path(copy) + "\": " + reason);
    return copy;
}

} // namespace cfg
