#include "core/image/BankLayout.h"

#include "core/common/ConfigError.h"
#include "core/image/LittleEndian.h"

#include <string>

namespace cfg::image {

Bank_Bytes Bank1_Bytes(const Parameter_Block& block) {
    Bank_Bytes bytes(block.begin(), block.end());
    put_u32(bytes, Offset_Checksum, Parameter_Block_Checksum(block));
    return bytes;
}

Bank_Bytes Bank2_Bytes(const std::vector<Listener_Entry>& entries) {
    if (entries.size() > Listener_Entry_Count)
        throw ConfigError("bank2 holds " + std::to_string(Listener_Entry_Count) +
                          " listener entries at most.");
    Bank_Bytes bytes(Bank2_Size, 0);
    for (std::size_t k = 0; k < entries.size(); ++k)
        Write_Listener_Entry(std::span(bytes).subspan(k * Listener_Entry_Size).first<Listener_Entry_Size>(),
                             entries[k]);
    return bytes;
}

Bank_Bytes Bank3_Bytes(const EtherCAT_Header& header, const std::vector<TEtherCAT_pd>& records) {
    if (records.size() > EtherCAT_Record_Count)
        throw ConfigError("bank3 holds " + std::to_string(EtherCAT_Record_Count) + " variables at most.");
    Bank_Bytes bytes(First_Name_Offset, 0);
    Write_EtherCAT_Header(std::span(bytes).first<EtherCAT_Header_Size>(), header);
    for (std::size_t k = 0; k < records.size(); ++k) {
        const std::size_t offset = EtherCAT_Header_Size + k * EtherCAT_Record_Size;
        Write_EtherCAT_Record(std::span(bytes).subspan(offset).first<EtherCAT_Record_Size>(), records[k]);
    }
    for (const TEtherCAT_pd& record : records) {
        if (record.name.empty())
            continue;
        bytes.insert(bytes.end(), record.name.begin(), record.name.end());
        bytes.push_back(0);
    }
    if (bytes.size() > Bank3_Limit)
        throw ConfigError("bank3 would take " + std::to_string(bytes.size()) +
                          " bytes, beyond its limit of " + std::to_string(Bank3_Limit) + " bytes.");
    return bytes;
}

Bank_Images Lay_Out_Banks(const Configuration_Image& image) {
    return {Bank1_Bytes(image.parameter_block), Bank2_Bytes(image.listener_entries),
            Bank3_Bytes(image.header, image.records)};
}

} // namespace cfg::image
