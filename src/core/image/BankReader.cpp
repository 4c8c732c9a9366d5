#include "core/image/BankReader.h"

#include "core/common/ConfigError.h"
#include "core/image/ImageLayout.h"

#include <algorithm>

namespace cfg::image {
namespace {

// Fills the record's name from the zero-terminated text at its name_add, or says why it cannot.
std::optional<std::string> resolve_name(std::span<const std::uint8_t> bytes, std::uint32_t base,
                                        TEtherCAT_pd& record) {
    if (record.name_add < base || record.name_add - base >= bytes.size())
        return "the name address lies outside bank3";
    const auto start = bytes.begin() + (record.name_add - base);
    const auto end = std::find(start, bytes.end(), std::uint8_t{0});
    if (end == bytes.end())
        return "the name has no closing 0 byte";
    record.name.assign(start, end);
    if (record.name.size() != record.name_length)
        return "the name takes " + std::to_string(record.name.size()) + " bytes, not its length " +
               std::to_string(record.name_length);
    return std::nullopt;
}

} // namespace

std::vector<Listener_Entry> Read_Bank2(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != Bank2_Size)
        throw ConfigError("bank2 takes " + std::to_string(Bank2_Size) + " bytes, not " +
                          std::to_string(bytes.size()) + ".");
    std::vector<Listener_Entry> entries;
    for (std::size_t k = 0; k < Listener_Entry_Count; ++k)
        entries.push_back(
            Read_Listener_Entry(bytes.subspan(k * Listener_Entry_Size).first<Listener_Entry_Size>()));
    return entries;
}

Bank3_Content Read_Bank3(std::span<const std::uint8_t> bytes, std::uint32_t base) {
    if (bytes.size() < First_Name_Offset || bytes.size() > Bank3_Limit)
        throw ConfigError("bank3 takes from " + std::to_string(First_Name_Offset) + " to " +
                          std::to_string(Bank3_Limit) + " bytes, not " + std::to_string(bytes.size()) + ".");
    Bank3_Content content;
    content.header = Read_EtherCAT_Header(bytes.first<EtherCAT_Header_Size>());
    const std::size_t count = std::min<std::size_t>(content.header.count, EtherCAT_Record_Count);
    for (std::size_t k = 0; k < count; ++k) {
        Bank3_Record read;
        read.record = Read_EtherCAT_Record(
            bytes.subspan(EtherCAT_Header_Size + k * EtherCAT_Record_Size).first<EtherCAT_Record_Size>());
        read.problem = resolve_name(bytes, base, read.record);
        content.records.push_back(std::move(read));
    }
    return content;
}

} // namespace cfg::image
