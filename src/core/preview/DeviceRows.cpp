#include "core/preview/DeviceRows.h"

#include "core/image/ParGenImage.h"

namespace cfg::preview {

std::vector<image::Listener_Image_Row>
Read_Device_Rows(const std::filesystem::path& File_ParGen,
                 const std::filesystem::path& File_NMEA_0183_Set_Access) {
    // The ports come from ParGen.xml as the compile reads it; the rest of the block is not needed.
    image::Parameter_Block block = image::Reset_Parameter_Block();
    image::EtherCAT_Header header;
    const std::uint8_t Serial_Port_Mask = image::Read_ParGen_Image(File_ParGen, block, header);
    return image::Read_Listener_Image_Rows(File_NMEA_0183_Set_Access, Serial_Port_Mask);
}

} // namespace cfg::preview
