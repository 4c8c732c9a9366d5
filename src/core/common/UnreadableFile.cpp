#include "core/common/UnreadableFile.h"

#include "core/common/ConfigError.h"
#include "core/common/PathText.h"

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

std::filesystem::path Keep_Unreadable_File(const std::filesystem::path& file) {
    const std::filesystem::path copy = Unreadable_Copy_Path(file);
    std::error_code error;
    if (!std::filesystem::copy_file(file, copy, std::filesystem::copy_options::none, error))
        throw ConfigError("The unreadable file \"" + utf8_path(file) + "\" could not be kept as \"" +
                          utf8_path(copy) + "\": " + error.message());
    return copy;
}

} // namespace cfg
