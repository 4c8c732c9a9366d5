#pragma once

#include "core/lang/LangStrings.h"

#include <filesystem>

namespace cfg {

// Overlays the catalogue with the text lines of one language file, in file order, so a later line
// for the same index wins. A line looks like
//     STR15 =New Configuration /#/ a comment
// and "¶" marks where a text starts and ends when it must keep blanks at either end. Lines that do
// not follow the format are skipped. Returns false, leaving the catalogue as it was, when the file
// cannot be read.
bool Load_Lang_File(Lang_Strings& texts, const std::filesystem::path& file);

} // namespace cfg
