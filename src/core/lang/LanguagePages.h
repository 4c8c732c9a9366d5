#pragma once

#include "core/lang/LangStrings.h"
#include "core/lang/Language.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cfg {

// The options dialog shows the language files six to a page.
inline constexpr int Languages_Per_Page = 6;

int Language_Page_Count(std::size_t count);

// What one page of the language list shows.
struct Language_Page {
    int page = 1;
    int page_count = 0;
    bool show_previous = false; // Btn_Prev
    bool show_next = false;     // Btn_Next
    // The names of the shown slots in slot order; slot k (1 to 6) shows while k <= names.size().
    std::vector<std::string> names;
    std::string page_text; // L_Page_Lang
};

// Page Num_Page (from 1) of SL_Languages, the sorted file names of the language files.
Language_Page Update_Lang_Page(const std::vector<std::string>& SL_Languages, int Num_Page,
                               const Lang_Strings& texts);

// Btn_NextClick: the page shown after Next (forward) or Previous; it stays when there is no such page.
int Turn_Lang_Page(int Show_Page, std::size_t count, bool forward);

// The language in slot (1 to 6) of page Show_Page, or nothing when the slot is empty.
std::optional<std::string> Language_In_Slot(const std::vector<std::string>& SL_Languages, int Show_Page,
                                            int slot);

// The picture of a slot: the language's own flag, else the default flag, else none (the image is hidden).
// Each is looked for in the user's language folder first, then in the shipped one.
std::optional<std::filesystem::path> Flag_Picture(const Language_Folders& folders, std::string_view name);

// L_Sel_Lang: text 304 followed by the language.
std::string Selected_Language_Text(const Lang_Strings& texts, std::string_view Language_In_Use);

// L_Page_Lang until a page is shown: page 1 of 1.
std::string Initial_Page_Text(const Lang_Strings& texts);

// The question before a language is applied: from the language in use to the picked one.
std::string Change_Language_Question(const Lang_Strings& texts, std::string_view from, std::string_view to);

} // namespace cfg
