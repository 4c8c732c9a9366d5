#include "core/lang/Language.h"

#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/lang/LangFile.h"

namespace cfg {
namespace {

bool file_exists(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

// A language file that cannot be read leaves the texts as they are: the program still starts.
void load_if_readable(Lang_Strings& texts, const std::filesystem::path& file) {
    try {
        Load_Lang_File(texts, file);
    } catch (const ConfigError&) {
    }
}

} // namespace

std::filesystem::path Language_File(const Language_Folders& folders, std::string_view name) {
    const std::filesystem::path file_name =
        path_from_utf8(std::string(name) + std::string(Language_File_Extension));
    if (!folders.shipped.empty() && !file_exists(folders.user / file_name) &&
        file_exists(folders.shipped / file_name))
        return folders.shipped / file_name;
    return folders.user / file_name;
}

void Load_Language(Lang_Strings& texts, const Language_Folders& folders, std::string& Language_Name) {
    Load_Default_Texts(texts);
    const std::filesystem::path file = Language_File(folders, Language_Name);
    if (file_exists(file)) {
        load_if_readable(texts, file);
        return;
    }
    Language_Name = Default_Language_Name;
    const std::filesystem::path english = Language_File(folders, Language_Name);
    if (file_exists(english))
        load_if_readable(texts, english);
}

} // namespace cfg
