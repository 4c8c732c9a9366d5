#include "core/image/EtherCATHeader.h"

#include "core/image/LittleEndian.h"

#include <algorithm>

namespace cfg::image {

void Write_EtherCAT_Header(std::span<std::uint8_t, EtherCAT_Header_Size> bytes,
                           const EtherCAT_Header& header) {
    std::copy(header.eeprom_config.begin(), header.eeprom_config.end(), bytes.begin());
    put_u16(bytes, 14, header.node_address);
    put_u32(bytes, 16, header.vendor_id);
    put_u32(bytes, 20, header.product_code);
    put_u32(bytes, 24, header.revision_number);
    put_u32(bytes, 28, header.serial_number);
    put_u32(bytes, 32, header.count);
    put_u32(bytes, 36, header.records_address);
}

EtherCAT_Header Read_EtherCAT_Header(std::span<const std::uint8_t, EtherCAT_Header_Size> bytes) {
    EtherCAT_Header header;
    std::copy_n(bytes.begin(), header.eeprom_config.size(), header.eeprom_config.begin());
    header.node_address = get_u16(bytes, 14);
    header.vendor_id = get_u32(bytes, 16);
    header.product_code = get_u32(bytes, 20);
    header.revision_number = get_u32(bytes, 24);
    header.serial_number = get_u32(bytes, 28);
    header.count = get_u32(bytes, 32);
    header.records_address = get_u32(bytes, 36);
    return header;
}

} // namespace cfg::image
