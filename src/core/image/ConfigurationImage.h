#pragma once

#include "core/common/FileBytes.h"
#include "core/image/EtherCATHeader.h"
#include "core/image/EtherCATRecord.h"
#include "core/image/ListenerEntry.h"
#include "core/image/ParameterBlock.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace cfg::image {

// The three files of a configuration the image is built from; nothing is taken from the screens.
struct Configuration_Files {
    std::filesystem::path File_ParGen;
    std::filesystem::path File_NMEA_0183_Set_Access;
    std::filesystem::path File_EtherCAT_Slave;
};

// The contents of the same three files held in memory; nothing stands for a missing file.
struct Configuration_Bytes {
    std::optional<File_Bytes> File_ParGen;
    std::optional<File_Bytes> File_NMEA_0183_Set_Access;
    std::optional<File_Bytes> File_EtherCAT_Slave;
};

// The configuration image in memory, before it is laid out as bank files.
struct Configuration_Image {
    Parameter_Block parameter_block = Reset_Parameter_Block(); // checksum not yet computed
    std::uint8_t Serial_Port_Mask = 0;
    std::vector<Listener_Entry> listener_entries; // at most 128, in file order
    EtherCAT_Header header;
    std::vector<TEtherCAT_pd> records; // the used records, at most 512
};

} // namespace cfg::image
