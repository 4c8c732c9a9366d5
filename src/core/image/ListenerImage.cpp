#include "core/image/ListenerImage.h"

#include "core/common/Text.h"
#include "core/common/TextToInt.h"
#include "core/common/Xml.h"
#include "core/image/ParameterBlock.h"
#include "core/nmea/ListenerDocument.h"
#include "core/nmea/ListenerTable.h"
#include "core/nmea/PostOperations.h"
#include "core/nmea/SentenceCatalogue.h"

#include <optional>
#include <string>

namespace cfg::image {
namespace {

static_assert(nmea::Listener_Row_Count <= Listener_Entry_Count,
              "bank2 holds every row of the listener table");

// The device's code of a serial port named in upper case, when its bit is in the mask.
std::optional<std::uint8_t> serial_channel_code(const std::string& channel, std::uint8_t Serial_Port_Mask) {
    if (channel == "RS232" && (Serial_Port_Mask & Serial_RS232_Bit))
        return 0;
    if ((channel == "RS485 1" || channel == "RS485 / RS422") && (Serial_Port_Mask & Serial_RS485_1_Bit))
        return 1;
    if (channel == "RS485 2" && (Serial_Port_Mask & Serial_RS485_2_Bit))
        return 2;
    return std::nullopt;
}

std::string upper_trimmed_attribute(const pugi::xml_node& row, const char* name) {
    return upper_ascii(trimmed(xml::attribute_text(row, name, "")));
}

std::optional<Listener_Entry> entry_of(const pugi::xml_node& row, std::uint8_t Serial_Port_Mask) {
    if (xml::attribute_text(row, "Enable", "") != "Y")
        return std::nullopt;
    const std::optional<std::uint8_t> channel =
        serial_channel_code(upper_trimmed_attribute(row, "Serial_Channel"), Serial_Port_Mask);
    if (!channel)
        return std::nullopt;
    const int sentence = nmea::Find_Sentence(upper_trimmed_attribute(row, "Sentence"));
    if (!nmea::Is_Offered_Sentence(sentence))
        return std::nullopt;
    const int field = nmea::GetIndexDataField(sentence, upper_trimmed_attribute(row, "DataField"));
    if (field < 0)
        return std::nullopt;

    Listener_Entry entry;
    entry.Ind_Sent = static_cast<std::uint16_t>(sentence);
    entry.serial_channel = *channel;
    entry.data_field = static_cast<std::uint8_t>(field);
    if (nmea::Index_Range_Of(sentence, field))
        entry.Index =
            static_cast<std::uint8_t>(Text_To_Int(trimmed(xml::attribute_text(row, "Index", "")), 0));
    entry.post_operation = static_cast<std::uint8_t>(
        nmea::GetIndexPostOperation(trimmed(xml::attribute_text(row, "PortOperation", ""))));
    if (upper_trimmed_attribute(row, "SwapAll") == "Y")
        entry.swap_flags |= Swap_All_Bit;
    if (upper_trimmed_attribute(row, "Swap16") == "Y")
        entry.swap_flags |= Swap_16_Bit;
    entry.Position =
        static_cast<std::uint16_t>(Text_To_Int(trimmed(xml::attribute_text(row, "Position", "")), 0));
    return entry;
}

} // namespace

std::vector<Listener_Entry> Read_Listener_Image(const File_Bytes& File_NMEA_0183_Set_Access,
                                                std::uint8_t Serial_Port_Mask) {
    std::vector<Listener_Entry> entries;
    for (const Listener_Image_Row& row :
         Read_Listener_Image_Rows(File_NMEA_0183_Set_Access, Serial_Port_Mask))
        entries.push_back(row.entry);
    return entries;
}

std::vector<Listener_Image_Row> Read_Listener_Image_Rows(const File_Bytes& File_NMEA_0183_Set_Access,
                                                         std::uint8_t Serial_Port_Mask) {
    std::vector<Listener_Image_Row> rows;
    // The rows the listener screen shows, no more: the device listens to what the user can see.
    nmea::For_Each_Listener_Row(
        File_NMEA_0183_Set_Access, nmea::Listener_Row_Count, [&](int row, const pugi::xml_node& element) {
            if (const std::optional<Listener_Entry> entry = entry_of(element, Serial_Port_Mask))
                rows.push_back({row, *entry});
        });
    return rows;
}

} // namespace cfg::image
