#pragma once

#include "core/image/ListenerImage.h"
#include "core/nmea/ListenerTable.h"

#include <filesystem>
#include <vector>

namespace cfg::preview {

// The listener rows exactly as a compile of the configuration gives them to the device: the rows the
// compile drops (disabled, unknown sentence or field, a port ParGen.xml leaves off, and every row
// when there is no ParGen.xml) are not there. A file that cannot be read or is malformed raises
// ConfigError.
std::vector<image::Listener_Image_Row>
Read_Device_Rows(const std::filesystem::path& File_ParGen,
                 const std::filesystem::path& File_NMEA_0183_Set_Access);

// The same for a listener table as it stands on the screen: the rows a compile would give the device
// once the table is saved.
std::vector<image::Listener_Image_Row> Table_Device_Rows(const std::filesystem::path& File_ParGen,
                                                         const nmea::Listener_Table& table);

} // namespace cfg::preview
