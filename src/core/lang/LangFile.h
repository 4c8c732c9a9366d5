#pragma once

#include "core/lang/LangStrings.h"

#include <filesystem>
#include <string_view>

namespace cfg {

// Overlays the catalogue with the text lines of one language file, in file order, so a later line
// for the same index wins. A line looks like
//     STR15 =New Configuration /#/ a comment
// and "¶" marks where a text starts and ends when it must keep blanks at either end. Lines that do
// not follow the format are skipped. ConfigError naming the file and the reason, leaving the
// catalogue as it was, when the file cannot be read or is larger than Text_File_Limit.
void Load_Lang_File(Lang_Strings& texts, const std::filesystem::path& file);

// The same for the bytes of a language file held in memory; no content is ever refused.
void Load_Lang_Bytes(Lang_Strings& texts, std::string_view bytes);

} // namespace cfg
