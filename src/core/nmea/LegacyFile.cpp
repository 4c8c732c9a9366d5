#include "core/nmea/LegacyFile.h"

#include "core/common/PathText.h"
#include "core/common/SafeFile.h"
#include "core/common/Text.h"
#include "core/common/Xml.h"
#include "core/nmea/ListenerDocument.h"
#include "core/nmea/SentenceCatalogue.h"

namespace cfg::nmea::legacy {
namespace {

// Whether the file keeps an Index for the sentence: XDR or $PJELA, trimmed and in any letter case.
// Loading and saving follow the same rule, so a save never loses an Index that was loaded.
bool keeps_index(std::string_view sentence) {
    const int n = Find_Sentence(upper_ascii(trimmed(sentence)));
    return n == Sentence_XDR || n == Sentence_PJELA;
}

void load_row(Legacy_Table& table, int row, const pugi::xml_node& element) {
    using C = Legacy_Column;
    table.set_text(row, C::Enable, xml::attribute_text(element, "Enable", "Y"));
    const std::string sentence = trimmed(xml::attribute_text(element, "Sentence", ""));
    table.set_text(row, C::Sentence, sentence);
    if (keeps_index(sentence))
        table.set_text(row, C::Index, trimmed(xml::attribute_text(element, "Index", "")));
    if (const pugi::xml_attribute serial = element.attribute("Serial_Channel"))
        table.set_text(row, C::Serial_Channel, Get_Serial_Channel(serial.value()));
    table.set_text(row, C::Mnemonic, xml::attribute_text(element, "Mnemonic", ""));
}

} // namespace

int Load_Legacy_Table(Legacy_Table& table, const std::filesystem::path& file) {
    table.Reset();
    const std::optional<std::string> bytes = xml::read_file(file);
    return bytes ? Load_Legacy_Table(table, File_Bytes{utf8_path(file), *bytes}) : 0;
}

int Load_Legacy_Table(Legacy_Table& table, const File_Bytes& file) {
    table.Reset();
    return For_Each_Listener_Row(file, Legacy_Row_Count, [&](int row, const pugi::xml_node& element) {
        load_row(table, row, element);
    });
}

std::string Legacy_Table_Bytes(const Legacy_Table& table) {
    using C = Legacy_Column;
    pugi::xml_document doc;
    pugi::xml_node listener = Start_Listener_Document(doc, "1.006");
    for (int row = 1; row <= Legacy_Row_Count && table.is_used(row); ++row) {
        pugi::xml_node element = listener.append_child("row");
        element.append_attribute("Enable") = table.text(row, C::Enable).c_str();
        element.append_attribute("Sentence") = table.text(row, C::Sentence).c_str();
        element.append_attribute("Index") =
            keeps_index(table.text(row, C::Sentence)) ? table.text(row, C::Index).c_str() : "";
        element.append_attribute("Serial_Channel") = table.text(row, C::Serial_Channel).c_str();
        element.append_attribute("Mnemonic") = table.text(row, C::Mnemonic).c_str();
    }
    return xml::to_bytes(doc);
}

void Save_Legacy_Table(const Legacy_Table& table, const std::filesystem::path& file) {
    write_file_safely(file, Legacy_Table_Bytes(table));
}

std::vector<int> Rows_Save_Would_Drop(const Legacy_Table& table) {
    return Used_Rows_After_First_Unused(Legacy_Row_Count, [&](int row) { return table.is_used(row); });
}

} // namespace cfg::nmea::legacy
