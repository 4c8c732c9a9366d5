#include "core/image/BankDecoder.h"

#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/ethercat/EsiText.h"
#include "core/ethercat/VariableTypeCode.h"
#include "core/image/BankReader.h"
#include "core/image/ImageLayout.h"
#include "core/image/LittleEndian.h"
#include "core/image/ParameterBlock.h"
#include "core/nmea/PostOperations.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/params/SerialChoices.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <string_view>
#include <utility>

namespace cfg::image {
namespace {

using Bytes = std::span<const std::uint8_t>;

std::string hex(std::uint32_t value, int digits) {
    return "0x" + ethercat::hex_upper(value, digits);
}

std::string decimal(std::int64_t value) {
    return std::to_string(value);
}

// "80 0F 00"; every bank3 record's initial value is one.
std::string byte_list(Bytes bytes) {
    std::string text;
    text.reserve(3 * bytes.size());
    for (std::uint8_t byte : bytes) {
        if (!text.empty())
            text += ' ';
        text += ethercat::hex_upper(byte, 2);
    }
    return text;
}

std::string dotted(Bytes bytes) {
    std::string text;
    for (std::uint8_t byte : bytes)
        text += (text.empty() ? "" : ".") + std::to_string(byte);
    return text;
}

// A code with the name it stands for, when it has one: "7 (GGA)".
std::string named(std::uint32_t code, std::string_view name) {
    return name.empty() ? decimal(code) : decimal(code) + " (" + std::string(name) + ")";
}

std::uint32_t unsigned_at(Bytes bytes, std::size_t offset, std::size_t size) {
    if (size == 4)
        return get_u32(bytes, offset);
    if (size == 2)
        return get_u16(bytes, offset);
    return bytes[offset];
}

class Decoder {
public:
    explicit Decoder(Bytes bytes) : bytes_(bytes) {}

    void field(std::string name, std::size_t offset, std::string value) {
        decoding_.fields.push_back({std::move(name), offset, std::move(value)});
    }
    void fault(std::string text) { decoding_.faults.push_back(std::move(text)); }
    void expect_fields(std::size_t count) { decoding_.fields.reserve(count); }

    // The fields in offset order, those at the same offset in the order they were given.
    Bank_Decoding take() {
        std::vector<Decoded_Field>& fields = decoding_.fields;
        const auto by_offset = [](const Decoded_Field& a, const Decoded_Field& b) {
            return a.offset < b.offset;
        };
        if (std::is_sorted(fields.begin(), fields.end(), by_offset))
            return std::move(decoding_);
        // bank3's names follow its records. Sorting the positions and then moving each field once
        // is cheaper than sorting the fields, whose moves carry two strings each; the position
        // breaks ties, so fields at one offset keep their order.
        std::vector<std::pair<std::size_t, std::size_t>> order; // offset, position
        order.reserve(fields.size());
        for (std::size_t i = 0; i < fields.size(); ++i)
            order.emplace_back(fields[i].offset, i);
        std::sort(order.begin(), order.end());
        std::vector<Decoded_Field> sorted;
        sorted.reserve(fields.size());
        for (const auto& [offset, position] : order)
            sorted.push_back(std::move(fields[position]));
        fields = std::move(sorted);
        return std::move(decoding_);
    }

    Bytes bytes() const { return bytes_; }

private:
    Bytes bytes_;
    Bank_Decoding decoding_;
};

// --- bank1 ---

enum class Block_Format { Number, Octets, Address, Parity, Dhcp, Serial_Mask, Device_Name, Checksum };

struct Block_Field {
    const char* name;
    std::size_t offset;
    std::size_t size;
    Block_Format format;
};

constexpr std::array<Block_Field, 15> block_fields{{
    {"IP address", Offset_IP_Address, 4, Block_Format::Octets},
    {"Subnet mask", Offset_Subnet_Mask, 4, Block_Format::Octets},
    {"Gateway", Offset_Gateway, 4, Block_Format::Octets},
    {"RS232 baud rate", Offset_RS232_Baud_Rate, 4, Block_Format::Number},
    {"RS232 parity", Offset_RS232_Parity, 1, Block_Format::Parity},
    {"RS232 stop bits", Offset_RS232_Stop_Bits, 1, Block_Format::Number},
    {"DHCP flags", Offset_DHCP_Flags, 2, Block_Format::Dhcp},
    {"Device name", Offset_Device_Name, Device_Name_Size, Block_Format::Device_Name},
    {"Secondary DNS server", Offset_Secondary_DNS, 4, Block_Format::Octets},
    {"Primary DNS server", Offset_Primary_DNS, 4, Block_Format::Octets},
    {"Bank3 address", Offset_Bank3_Address, 4, Block_Format::Address},
    {"Bank2 address", Offset_Bank2_Address, 4, Block_Format::Address},
    {"Listener entries", Offset_Listener_Count, 4, Block_Format::Number},
    {"Serial port mask", Offset_Serial_Port_Mask, 1, Block_Format::Serial_Mask},
    {"Checksum", Offset_Checksum, 4, Block_Format::Checksum},
}};

// The value in hexadecimal with the names of its set bits: "0x03 (SwapAll, Swap16)".
std::string flags_text(std::uint32_t value, int digits,
                       const std::vector<std::pair<std::uint32_t, const char*>>& flags) {
    std::string names;
    for (const auto& [bit, name] : flags) {
        if (value & bit)
            names += (names.empty() ? "" : ", ") + std::string(name);
    }
    return names.empty() ? hex(value, digits) : hex(value, digits) + " (" + names + ")";
}

// The device keeps one byte per character; shown as the characters U+0000 to U+00FF.
std::string device_name_text(Bytes bytes) {
    std::string text;
    for (std::uint8_t byte : bytes) {
        if (byte == 0)
            break;
        if (byte < 0x80) {
            text += static_cast<char>(byte);
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::string block_value(Decoder& decoder, const Block_Field& field) {
    const Bytes bytes = decoder.bytes().subspan(field.offset, field.size);
    switch (field.format) {
    case Block_Format::Number:
        return decimal(unsigned_at(bytes, 0, field.size));
    case Block_Format::Octets:
        return dotted(bytes);
    case Block_Format::Address:
    case Block_Format::Checksum:
        return hex(get_u32(bytes, 0), 8);
    case Block_Format::Parity:
        return named(bytes[0], bytes[0] < Parity_Texts.size() ? Parity_Texts[bytes[0]] : "");
    case Block_Format::Dhcp:
        return flags_text(get_u16(bytes, 0), 4, {{DHCP_Cable_Bit, "cable"}, {DHCP_WiFi_Bit, "Wi-Fi"}});
    case Block_Format::Serial_Mask:
        return flags_text(
            bytes[0], 2,
            {{Serial_RS232_Bit, "RS232"}, {Serial_RS485_1_Bit, "RS485 1"}, {Serial_RS485_2_Bit, "RS485 2"}});
    case Block_Format::Device_Name:
        return device_name_text(bytes);
    }
    return {};
}

void check_bank1(Decoder& decoder, const std::vector<bool>& named_bytes) {
    const Bytes bytes = decoder.bytes();
    Parameter_Block block{};
    std::copy(bytes.begin(), bytes.end(), block.begin());
    const std::uint32_t sum = Parameter_Block_Checksum(block);
    if (get_u32(bytes, Offset_Checksum) != sum)
        decoder.fault("The checksum is " + hex(get_u32(bytes, Offset_Checksum), 8) +
                      " but the bytes sum to " + hex(sum, 8) + ".");
    if (bytes[Offset_Device_Name + Device_Name_Size - 1] != 0)
        decoder.fault("The device name has no closing 0 byte.");
    if (get_u32(bytes, Offset_Bank3_Address) != Bank3_Address)
        decoder.fault("The bank3 address is not " + hex(Bank3_Address, 8) + ".");
    if (get_u32(bytes, Offset_Bank2_Address) != Bank2_Address)
        decoder.fault("The bank2 address is not " + hex(Bank2_Address, 8) + ".");
    if (get_u32(bytes, Offset_Listener_Count) > Listener_Entry_Count)
        decoder.fault("More listener entries than the " + decimal(Listener_Entry_Count) + " bank2 holds.");
    std::size_t stray = 0;
    std::size_t first_stray = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!named_bytes[i] && bytes[i] != 0 && stray++ == 0)
            first_stray = i;
    }
    if (stray > 0)
        decoder.fault(decimal(static_cast<std::int64_t>(stray)) + " reserved bytes are not 0, the first at " +
                      hex(static_cast<std::uint32_t>(first_stray), 3) + ".");
}

// --- bank2 ---

void decode_entry(Decoder& decoder, std::size_t k, const Listener_Entry& entry) {
    const std::size_t base = k * Listener_Entry_Size;
    const std::string prefix = "Entry " + decimal(static_cast<std::int64_t>(k)) + ": ";
    const bool known_sentence = entry.Ind_Sent >= 1 && entry.Ind_Sent <= nmea::Sentence_Count;
    decoder.field(prefix + "sentence", base,
                  named(entry.Ind_Sent, known_sentence ? nmea::NMEA_Sentences[entry.Ind_Sent].Name : ""));
    if (!known_sentence)
        decoder.fault(prefix + "sentence " + decimal(entry.Ind_Sent) + " is not in the catalogue.");
    decoder.field(prefix + "position", base + 2, decimal(entry.Position));
    constexpr std::array<std::string_view, 3> channels{"RS232", "RS485 1", "RS485 2"};
    decoder.field(prefix + "serial channel", base + 4,
                  named(entry.serial_channel,
                        entry.serial_channel < channels.size() ? channels[entry.serial_channel] : ""));
    const nmea::TFieldSentence* field = nmea::Find_Field(entry.Ind_Sent, entry.data_field);
    decoder.field(prefix + "data field", base + 5, named(entry.data_field, field ? field->Field : ""));
    if (known_sentence && !field)
        decoder.fault(prefix + "sentence " + decimal(entry.Ind_Sent) + " has no data field " +
                      decimal(entry.data_field) + ".");
    const std::vector<std::string>& operations = nmea::PostOpe_SL();
    decoder.field(prefix + "post operation", base + 6,
                  named(entry.post_operation,
                        entry.post_operation < operations.size() ? operations[entry.post_operation] : ""));
    decoder.field(prefix + "swap flags", base + 7,
                  flags_text(entry.swap_flags, 2, {{Swap_All_Bit, "SwapAll"}, {Swap_16_Bit, "Swap16"}}));
    decoder.field(prefix + "index", base + 8, decimal(entry.Index));
    const Bytes reserved = decoder.bytes().subspan(base + 9, 3);
    if (std::any_of(reserved.begin(), reserved.end(), [](std::uint8_t b) { return b != 0; }))
        decoder.fault(prefix + "its reserved bytes are not 0.");
}

// --- bank3 ---

std::string init_value_text(const TEtherCAT_pd& record) {
    const std::uint64_t bits = [&] {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < record.init_value.size(); ++i)
            value |= static_cast<std::uint64_t>(record.init_value[i]) << (8 * i);
        return value;
    }();
    const std::string bytes = byte_list(record.init_value);
    switch (record.Data_Type) {
    case ethercat::type_code::Bool:
    case ethercat::type_code::UInt8:
    case ethercat::type_code::UInt16:
    case ethercat::type_code::UInt32:
        return bytes + " (" + std::to_string(bits) + ")";
    case ethercat::type_code::Int8:
        return bytes + " (" + decimal(static_cast<std::int8_t>(bits)) + ")";
    case ethercat::type_code::Int16:
        return bytes + " (" + decimal(static_cast<std::int16_t>(bits)) + ")";
    case ethercat::type_code::Int32:
        return bytes + " (" + decimal(static_cast<std::int32_t>(bits)) + ")";
    case ethercat::type_code::Float32: {
        char buffer[32];
        const float value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        return bytes + " (" + std::string(buffer, result.ptr) + ")";
    }
    default:
        return bytes;
    }
}

constexpr std::size_t Header_Field_Count = 8;
constexpr std::size_t Record_Field_Count = 12; // with its name

void decode_header(Decoder& decoder, const EtherCAT_Header& header) {
    decoder.field("EEPROM configuration", 0, byte_list(header.eeprom_config));
    decoder.field("Node address", 14, decimal(header.node_address));
    decoder.field("Vendor ID", 16, hex(header.vendor_id, 8));
    decoder.field("Product code", 20, hex(header.product_code, 8));
    decoder.field("Revision number", 24, hex(header.revision_number, 8));
    decoder.field("Serial number", 28, hex(header.serial_number, 8));
    decoder.field("Variable count", 32, decimal(header.count));
    decoder.field("Records address", 36, hex(header.records_address, 8));
    if (header.count > EtherCAT_Record_Count)
        decoder.fault("The variable count is more than the " + decimal(EtherCAT_Record_Count) +
                      " records bank3 has.");
    if (header.records_address != Bank3_Address + EtherCAT_Header_Size)
        decoder.fault("The records address is not " + hex(Bank3_Address + EtherCAT_Header_Size, 8) + ".");
}

void decode_record(Decoder& decoder, std::size_t k, const Bank3_Record& read) {
    const TEtherCAT_pd& record = read.record;
    const std::size_t base = EtherCAT_Header_Size + k * EtherCAT_Record_Size;
    const std::string prefix = "Variable " + decimal(static_cast<std::int64_t>(k)) + ": ";
    decoder.field(prefix + "type", base, named(record.Data_Type, ethercat::Type_Name_Of(record.Data_Type)));
    decoder.field(prefix + "length", base + 1, decimal(record.length));
    decoder.field(prefix + "access", base + 2, decimal(record.access));
    decoder.field(prefix + "bit address", base + 3, decimal(record.bit_address));
    decoder.field(prefix + "position", base + 4, decimal(record.position));
    decoder.field(prefix + "subindex", base + 8, decimal(record.subindex));
    decoder.field(prefix + "entry index", base + 12, decimal(record.entry_index));
    decoder.field(prefix + "EtherCAT offset", base + 16, decimal(record.ethercat_offset));
    decoder.field(prefix + "initial value", base + 20, init_value_text(record));
    decoder.field(prefix + "name length", base + 28, decimal(record.name_length));
    decoder.field(prefix + "name address", base + 32, hex(record.name_add, 8));
    if (read.problem) {
        decoder.fault(prefix + *read.problem + ".");
        return;
    }
    decoder.field(prefix + "name", record.name_add - Bank3_Address, "\"" + record.name + "\"");
}

void check_unused_records(Decoder& decoder, std::size_t used) {
    const Bytes bytes = decoder.bytes();
    const auto first =
        bytes.begin() + static_cast<std::ptrdiff_t>(EtherCAT_Header_Size + used * EtherCAT_Record_Size);
    const auto end = bytes.begin() + static_cast<std::ptrdiff_t>(Empty_Name_Offset);
    if (std::any_of(first, end, [](std::uint8_t b) { return b != 0; }))
        decoder.fault("The records after the used ones are not all 0.");
    if (bytes[Empty_Name_Offset] != 0)
        decoder.fault("The byte of the empty name at " + decimal(Empty_Name_Offset) + " is not 0.");
}

} // namespace

Bank_Decoding Decode_Bank1(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != Bank1_Size)
        throw ConfigError("bank1 takes " + decimal(Bank1_Size) + " bytes, not " +
                          decimal(static_cast<std::int64_t>(bytes.size())) + ".");
    Decoder decoder(bytes);
    std::vector<bool> named_bytes(bytes.size(), false);
    const auto mark = [&](std::size_t offset, std::size_t size) {
        std::fill_n(named_bytes.begin() + static_cast<std::ptrdiff_t>(offset), size, true);
    };
    for (const Fixed_Field& fixed : Fixed_Fields()) {
        const std::uint32_t value = unsigned_at(bytes, fixed.offset, fixed.size);
        decoder.field("Fixed value", fixed.offset, decimal(value));
        if (value != fixed.value)
            decoder.fault("The fixed value at " + hex(static_cast<std::uint32_t>(fixed.offset), 3) + " is " +
                          decimal(value) + ", not " + decimal(fixed.value) + ".");
        mark(fixed.offset, fixed.size);
    }
    for (const Block_Field& field : block_fields) {
        decoder.field(field.name, field.offset, block_value(decoder, field));
        mark(field.offset, field.size);
    }
    check_bank1(decoder, named_bytes);
    return decoder.take();
}

Bank_Decoding Decode_Bank2(std::span<const std::uint8_t> bytes) {
    const std::vector<Listener_Entry> entries = Read_Bank2(bytes);
    Decoder decoder(bytes);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const Bytes entry_bytes = bytes.subspan(k * Listener_Entry_Size, Listener_Entry_Size);
        if (std::any_of(entry_bytes.begin(), entry_bytes.end(), [](std::uint8_t b) { return b != 0; }))
            decode_entry(decoder, k, entries[k]);
    }
    return decoder.take();
}

Bank_Decoding Decode_Bank3(std::span<const std::uint8_t> bytes) {
    const Bank3_Content content = Read_Bank3(bytes, Bank3_Address);
    Decoder decoder(bytes);
    decoder.expect_fields(Header_Field_Count + Record_Field_Count * content.records.size());
    decode_header(decoder, content.header);
    for (std::size_t k = 0; k < content.records.size(); ++k)
        decode_record(decoder, k, content.records[k]);
    check_unused_records(decoder, content.records.size());
    return decoder.take();
}

Bank_Decoding Decode_Bank_File(const std::filesystem::path& file) {
    return Decode_Bank_File(File_Bytes{utf8_path(file), read_file_bytes(file, Bank3_Limit)});
}

Bank_Decoding Decode_Bank_File(const File_Bytes& file) {
    const Bytes bytes(reinterpret_cast<const std::uint8_t*>(file.bytes.data()), file.bytes.size());
    if (bytes.size() == Bank1_Size)
        return Decode_Bank1(bytes);
    if (bytes.size() == Bank2_Size)
        return Decode_Bank2(bytes);
    if (bytes.size() >= First_Name_Offset && bytes.size() <= Bank3_Limit)
        return Decode_Bank3(bytes);
    throw ConfigError("The file \"" + file.name + "\" has " +
                      decimal(static_cast<std::int64_t>(bytes.size())) + " bytes, the size of no bank file.");
}

} // namespace cfg::image
