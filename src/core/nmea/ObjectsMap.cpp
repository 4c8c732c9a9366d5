#include "core/nmea/ObjectsMap.h"

#include "core/common/PathText.h"
#include "core/common/Text.h"
#include "core/common/TextLinesFile.h"
#include "core/common/Xml.h"
#include "core/nmea/ListenerDocument.h"
#include "core/nmea/SentenceCatalogue.h"

#include <limits>

namespace cfg::nmea {

namespace {

constexpr const char* Header_Line = "Byte; Sentence; Field; Serial; Mnemonic;";

// Adds a line for every field of an active row's sentence, the byte counter running on.
// Inactive rows and codes without fields add nothing.
void add_row_lines(const pugi::xml_node& row, int& byte, std::vector<std::string>& lines) {
    if (xml::attribute_text(row, "Enable", "") != "Y")
        return;
    const std::string sentence = xml::attribute_text(row, "Sentence", "");
    const std::string serial = xml::attribute_text(row, "Serial_Channel", "");
    const std::string mnemonic = xml::attribute_text(row, "Mnemonic", "");
    const int n = Find_Sentence(sentence);
    if (n < 1)
        return;
    for (const TFieldSentence& field : Sentence_Maps()[n].Fields) {
        lines.push_back(Byte_Range_Text(byte, field.Dimension) + ";" + sentence + ";" + field.Field + ";" +
                        serial + ";" + mnemonic + ";");
        byte += field.Dimension;
    }
}

} // namespace

std::string Byte_Range_Text(int first_byte, int size) {
    std::string text;
    for (int i = 0; i < size; ++i) {
        if (i > 0)
            text += '-';
        text += std::to_string(first_byte + i);
    }
    return text;
}

std::vector<std::string> Objects_Map_Lines(const std::filesystem::path& listener_file) {
    const std::optional<std::string> bytes = xml::read_file(listener_file);
    if (!bytes)
        return {Header_Line};
    return Objects_Map_Lines(File_Bytes{utf8_path(listener_file), *bytes});
}

std::vector<std::string> Objects_Map_Lines(const File_Bytes& listener_file) {
    std::vector<std::string> lines = {Header_Line};
    int byte = 0;
    // Every row of the file counts here, not only the hundred the screens show.
    For_Each_Listener_Row(listener_file, std::numeric_limits<int>::max(),
                          [&](int, const pugi::xml_node& row) { add_row_lines(row, byte, lines); });
    return lines;
}

void Export_Objects_Map(const std::filesystem::path& listener_file, const std::filesystem::path& target) {
    write_windows1252_lines(target, Objects_Map_Lines(listener_file));
}

std::string Objects_Map_File_Name(std::string_view chosen) {
    if (chosen.size() >= 4 && upper_ascii(chosen.substr(chosen.size() - 4)) == ".CSV")
        return std::string(chosen);
    return std::string(chosen) + ".csv";
}

} // namespace cfg::nmea
