#include "core/nmea/ListenerFile.h"

#include "core/common/PathText.h"
#include "core/common/SafeFile.h"
#include "core/common/Xml.h"
#include "core/nmea/ListenerDocument.h"
#include "core/nmea/PostOperations.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/nmea/SerialChannels.h"

#include <algorithm>

namespace cfg::nmea {
namespace {

std::string if_listed(std::string_view value, const std::vector<std::string>& list) {
    if (std::find(list.begin(), list.end(), value) != list.end())
        return std::string(value);
    return {};
}

const char* flag_text(bool on) {
    return on ? "Y" : "N";
}

// The attributes of a row in the order the file keeps them; Serial_Channel is read past.
enum Row_Attribute : std::size_t {
    Enable,
    Serial_Channel,
    Sentence,
    Index,
    DataField,
    PortOperation,
    SwapAll,
    Swap16,
    Position,
    Mnemonic,
    Count
};
constexpr const char* Row_Attribute_Names[Count] = {"Enable",    "Serial_Channel", "Sentence", "Index",
                                                    "DataField", "PortOperation",  "SwapAll",  "Swap16",
                                                    "Position",  "Mnemonic"};

void load_row(Listener_Table& table, int row, const pugi::xml_node& element) {
    using C = Listener_Column;
    const char* values[Count];
    xml::find_attributes(element, Row_Attribute_Names, values);
    const auto value = [&values](Row_Attribute attribute, std::string_view fallback) {
        return xml::attribute_or(values[attribute], fallback);
    };
    table.set_checked(row, C::Enable, value(Enable, "Y") != "N");
    // Whatever port the file names, this model only ever listens on RS232.
    table.set_text(row, C::Serial_Channel, std::string(Serial_RS232));
    const std::string sentence = Get_Sentence(value(Sentence, ""));
    table.set_text(row, C::Sentence, sentence);
    table.set_text(row, C::Index, value(Index, ""));
    table.set_text(row, C::DataField, Get_DataField(value(DataField, ""), sentence));
    // A missing post operation reads as "None"; one that is present but unknown stays empty.
    table.set_text(row, C::PortOperation, Get_PostOperatin(value(PortOperation, "None")));
    table.set_checked(row, C::SwapAll, value(SwapAll, "N") == "Y");
    table.set_checked(row, C::Swap16, value(Swap16, "N") == "Y");
    table.set_text(row, C::Position, value(Position, ""));
    table.set_text(row, C::Mnemonic, value(Mnemonic, ""));
}

} // namespace

std::string Get_Serial_Channel(std::string_view value, const std::vector<std::string>& SerialChannel_SL) {
    return if_listed(value, SerialChannel_SL);
}

std::string Get_Sentence(std::string_view value) {
    return if_listed(value, Offered_Sentence_Codes());
}

std::string Get_DataField(std::string_view value, std::string_view Sentence) {
    return if_listed(value, Field_Descriptions(GetIndexSentence(Sentence)));
}

std::string Get_PostOperatin(std::string_view value) {
    return if_listed(value, PostOpe_SL());
}

int Load_Listener_Table(Listener_Table& table, const std::filesystem::path& file) {
    table.Reset();
    const std::optional<std::string> bytes = xml::read_file(file);
    return bytes ? Load_Listener_Table(table, File_Bytes{utf8_path(file), *bytes}) : 0;
}

int Load_Listener_Table(Listener_Table& table, const File_Bytes& file) {
    table.Reset();
    return For_Each_Listener_Row(file, Listener_Row_Count, [&](int row, const pugi::xml_node& element) {
        load_row(table, row, element);
    });
}

std::string Listener_Table_Bytes(const Listener_Table& table) {
    using C = Listener_Column;
    pugi::xml_document doc;
    pugi::xml_node listener = Start_Listener_Document(doc, "1.000");
    for (int row = 1; row <= Listener_Row_Count && table.is_used(row); ++row) {
        pugi::xml_node element = listener.append_child("row");
        element.append_attribute("Enable") = flag_text(table.is_checked(row, C::Enable));
        element.append_attribute("Serial_Channel") = std::string(Serial_RS232).c_str();
        element.append_attribute("Sentence") = table.text(row, C::Sentence).c_str();
        element.append_attribute("Index") = table.text(row, C::Index).c_str();
        element.append_attribute("DataField") = table.text(row, C::DataField).c_str();
        element.append_attribute("PortOperation") = table.text(row, C::PortOperation).c_str();
        element.append_attribute("SwapAll") = flag_text(table.is_checked(row, C::SwapAll));
        element.append_attribute("Swap16") = flag_text(table.is_checked(row, C::Swap16));
        element.append_attribute("Position") = table.text(row, C::Position).c_str();
        element.append_attribute("Mnemonic") = table.text(row, C::Mnemonic).c_str();
    }
    return xml::to_bytes(doc);
}

void Save_Listener_Table(const Listener_Table& table, const std::filesystem::path& file) {
    write_file_safely(file, Listener_Table_Bytes(table));
}

std::vector<int> Rows_Save_Would_Drop(const Listener_Table& table) {
    return Used_Rows_After_First_Unused(Listener_Row_Count, [&](int row) { return table.is_used(row); });
}

} // namespace cfg::nmea
