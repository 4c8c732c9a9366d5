#include "core/image/EtherCATRecord.h"

#include "core/image/LittleEndian.h"

#include <algorithm>

namespace cfg::image {

void Write_EtherCAT_Record(std::span<std::uint8_t, EtherCAT_Record_Size> bytes, const TEtherCAT_pd& record) {
    bytes[0] = record.Data_Type;
    bytes[1] = record.length;
    bytes[2] = record.access;
    bytes[3] = record.bit_address;
    put_u32(bytes, 4, record.position);
    put_u32(bytes, 8, record.subindex);
    put_u32(bytes, 12, record.entry_index);
    put_u32(bytes, 16, record.ethercat_offset);
    std::copy(record.init_value.begin(), record.init_value.end(), bytes.begin() + 20);
    put_u32(bytes, 28, record.name_length);
    put_u32(bytes, 32, record.name_add);
}

TEtherCAT_pd Read_EtherCAT_Record(std::span<const std::uint8_t, EtherCAT_Record_Size> bytes) {
    TEtherCAT_pd record;
    record.Data_Type = bytes[0];
    record.length = bytes[1];
    record.access = bytes[2];
    record.bit_address = bytes[3];
    record.position = get_u32(bytes, 4);
    record.subindex = get_u32(bytes, 8);
    record.entry_index = get_u32(bytes, 12);
    record.ethercat_offset = get_u32(bytes, 16);
    std::copy_n(bytes.begin() + 20, record.init_value.size(), record.init_value.begin());
    record.name_length = get_u32(bytes, 28);
    record.name_add = get_u32(bytes, 32);
    return record;
}

} // namespace cfg::image
