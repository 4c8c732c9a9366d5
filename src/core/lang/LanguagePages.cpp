#include "core/lang/LanguagePages.h"

#include "core/lang/LanguageList.h"
#include "core/lang/OptionsTexts.h"

namespace cfg {
namespace {

std::string page_text(const Lang_Strings& texts, int page, int page_count) {
    return texts[options_text::Page] + std::to_string(page) + texts[options_text::Page_Of] +
           std::to_string(page_count);
}

bool file_exists(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

} // namespace

int Language_Page_Count(std::size_t count) {
    return static_cast<int>((count + Languages_Per_Page - 1) / Languages_Per_Page);
}

Language_Page Update_Lang_Page(const std::vector<std::string>& SL_Languages, int Num_Page,
                               const Lang_Strings& texts) {
    Language_Page shown;
    shown.page = Num_Page;
    shown.page_count = Language_Page_Count(SL_Languages.size());
    shown.page_text = page_text(texts, shown.page, shown.page_count);
    shown.show_previous = Num_Page != 1;
    // With no language file there is no further page, so Next stays hidden as well.
    shown.show_next = Num_Page < shown.page_count;
    for (int slot = 1; slot <= Languages_Per_Page; ++slot) {
        if (std::optional<std::string> name = Language_In_Slot(SL_Languages, Num_Page, slot))
            shown.names.push_back(std::move(*name));
    }
    return shown;
}

int Turn_Lang_Page(int Show_Page, std::size_t count, bool forward) {
    if (forward)
        return Language_Page_Count(count) >= Show_Page + 1 ? Show_Page + 1 : Show_Page;
    return Show_Page >= 2 ? Show_Page - 1 : Show_Page;
}

std::optional<std::string> Language_In_Slot(const std::vector<std::string>& SL_Languages, int Show_Page,
                                            int slot) {
    if (Show_Page < 1 || slot < 1 || slot > Languages_Per_Page)
        return std::nullopt;
    const std::size_t entry = static_cast<std::size_t>(Show_Page - 1) * Languages_Per_Page + (slot - 1);
    if (entry >= SL_Languages.size())
        return std::nullopt;
    return Language_Name_Of(SL_Languages[entry]);
}

std::optional<std::filesystem::path> Flag_Picture(const Language_Folders& folders, std::string_view name) {
    for (const std::string& picture : {std::string(name) + ".bmp", std::string("DefaultFlag.bmp")}) {
        for (const std::filesystem::path& folder : {folders.user, folders.shipped}) {
            if (!folder.empty() && file_exists(folder / picture))
                return folder / picture;
        }
    }
    return std::nullopt;
}

std::string Selected_Language_Text(const Lang_Strings& texts, std::string_view Language_In_Use) {
    return texts[options_text::Language_In_Use] + std::string(Language_In_Use);
}

std::string Initial_Page_Text(const Lang_Strings& texts) {
    return page_text(texts, 1, 1);
}

std::string Change_Language_Question(const Lang_Strings& texts, std::string_view from, std::string_view to) {
    return texts[options_text::Change_Language_From] + std::string(from) +
           texts[options_text::Change_Language_To] + std::string(to) +
           texts[options_text::Change_Language_End];
}

} // namespace cfg
