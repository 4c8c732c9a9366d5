#include "core/lang/Language.h"

#include "core/common/ConfigError.h"
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

std::filesystem::path Language_File(const std::filesystem::path& Path_Language, std::string_view name) {
    return Path_Language / (std::string(name) + std::string(Language_File_Extension));
}

void Load_Language(Lang_Strings& texts, const std::filesystem::path& Path_Language,
                   std::string& Language_Name) {
    Load_Default_Texts(texts);
    const std::filesystem::path file = Language_File(Path_Language, Language_Name);
    if (file_exists(file)) {
        load_if_readable(texts, file);
        return;
    }
    Language_Name = Default_Language_Name;
    const std::filesystem::path english = Language_File(Path_Language, Language_Name);
    if (file_exists(english))
        load_if_readable(texts, english);
}

} // namespace cfg
