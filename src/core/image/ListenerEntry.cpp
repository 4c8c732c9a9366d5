#include "core/image/ListenerEntry.h"

#include "core/image/LittleEndian.h"

#include <algorithm>

namespace cfg::image {

void Write_Listener_Entry(std::span<std::uint8_t, Listener_Entry_Size> bytes, const Listener_Entry& entry) {
    std::fill(bytes.begin(), bytes.end(), std::uint8_t{0});
    put_u16(bytes, 0, entry.Ind_Sent);
    put_u16(bytes, 2, entry.Position);
    bytes[4] = entry.serial_channel;
    bytes[5] = entry.data_field;
    bytes[6] = entry.post_operation;
    bytes[7] = entry.swap_flags;
    bytes[8] = entry.Index;
}

Listener_Entry Read_Listener_Entry(std::span<const std::uint8_t, Listener_Entry_Size> bytes) {
    Listener_Entry entry;
    entry.Ind_Sent = get_u16(bytes, 0);
    entry.Position = get_u16(bytes, 2);
    entry.serial_channel = bytes[4];
    entry.data_field = bytes[5];
    entry.post_operation = bytes[6];
    entry.swap_flags = bytes[7];
    entry.Index = bytes[8];
    return entry;
}

} // namespace cfg::image
