#include "core/lang/LanguageTexts.h"

#include "core/common/ConfigError.h"
#include "core/lang/LangFile.h"
#include "core/lang/LanguageList.h"

namespace cfg {

std::vector<Lang_Strings> Every_Language_Texts(const Language_Folders& folders) {
    std::vector<Lang_Strings> languages{default_texts()};
    for (const std::string& file_name : Create_Lang_List(folders)) {
        Lang_Strings texts = default_texts();
        try {
            Load_Lang_File(texts, Language_File(folders, Language_Name_Of(file_name)));
        } catch (const ConfigError&) {
            continue;
        }
        languages.push_back(std::move(texts));
    }
    return languages;
}

} // namespace cfg
