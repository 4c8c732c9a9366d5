#include "core/lang/LangFileLine.h"

#include "core/common/Text.h"
#include "core/lang/BuiltinTexts.h"

namespace cfg {
namespace {

constexpr std::string_view Protected_Blank_Mark = "\xC2\xB6"; // "¶"

} // namespace

std::string Lang_File_Line(int index, std::string_view text) {
    std::string line = "STR" + std::to_string(index) + " = ";
    if (text.empty() || trimmed(text).size() != text.size()) {
        line += Protected_Blank_Mark;
        line += text;
        line += Protected_Blank_Mark;
    } else {
        line += text;
    }
    return line;
}

std::vector<std::string> Lang_File_Lines(const Lang_Strings& texts) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(Lang_Strings::size()));
    for (int index = 0; index < Lang_Strings::size(); ++index)
        lines.push_back(Lang_File_Line(index, texts[index]));
    return lines;
}

std::string Builtin_Language_File() {
    constexpr std::string_view Line_End = "\r\n";
    std::string file = "\xEF\xBB\xBF[English]\r\nTranslator=Configurator project\r\n\r\n";
    int block = -1;
    for (const BuiltinText& builtin : builtin_texts()) {
        if (builtin.index / 100 != block) {
            block = builtin.index / 100;
            file += "; block " + std::to_string(block);
            file += Line_End;
        }
        file += Lang_File_Line(builtin.index, builtin.text);
        file += Line_End;
    }
    return file;
}

} // namespace cfg
