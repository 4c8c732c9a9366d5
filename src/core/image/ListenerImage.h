#pragma once

#include "core/common/FileBytes.h"
#include "core/image/ListenerEntry.h"

#include <cstdint>
#include <vector>

namespace cfg::image {

// Compiles the active rows of the content of NMEA_0183_Set_Access.xml into listener entries, in file order
// and without gaps. Only the rows the listener table holds are read (the rest are left out, as the screen
// leaves them out), so they always fit into bank2. A row is dropped without a word when it is not enabled
// with exactly "Y", names a serial port whose bit is not in Serial_Port_Mask, a sentence outside the
// catalogue or not offered, or a field the sentence does not have. A malformed file, or one whose root lacks
// NMEA_Listener, raises ConfigError.
std::vector<Listener_Entry> Read_Listener_Image(const File_Bytes& File_NMEA_0183_Set_Access,
                                                std::uint8_t Serial_Port_Mask);

// A compiled entry with the row of the listener table it comes from (1 for the file's first row).
struct Listener_Image_Row {
    int row;
    Listener_Entry entry;
};

// The same entries, each with its row, for those who report per row what the device was told.
std::vector<Listener_Image_Row> Read_Listener_Image_Rows(const File_Bytes& File_NMEA_0183_Set_Access,
                                                         std::uint8_t Serial_Port_Mask);

} // namespace cfg::image
