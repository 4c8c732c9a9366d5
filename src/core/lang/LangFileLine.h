#pragma once

#include "core/lang/LangStrings.h"

#include <string>
#include <string_view>
#include <vector>

namespace cfg {

// One text as a line of a language file, "STR<index> = <text>". A text with blanks or control
// characters at either end, or an empty one, stands between two "¶", since the reader trims
// everything else; so reading the line back gives the same text.
std::string Lang_File_Line(int index, std::string_view text);

// Every entry of the catalogue as such a line, in index order: read back as a language file it
// gives the same catalogue, whatever was loaded before.
std::vector<std::string> Lang_File_Lines(const Lang_Strings& texts);

// The built-in texts as the language file English.lng that the program ships beside the
// translations, in their form: UTF-8 with a byte-order mark, lines ending in CR LF, the header
// naming the language, and a comment line before each block of 100. Choosing it brings the
// built-in wording back.
std::string Builtin_Language_File();

} // namespace cfg
