#pragma once

#include <string>
#include <string_view>

namespace cfg {

// The text of a language file as UTF-8. A byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE;
// without one, valid UTF-8 is taken as UTF-8 and anything else as Windows-1252, so that the byte
// 0xB6 of an 8-bit file is the protected-blank mark as well.
std::string decode_lang_file_text(std::string_view bytes);

} // namespace cfg
