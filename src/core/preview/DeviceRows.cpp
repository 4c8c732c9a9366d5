#include "core/preview/DeviceRows.h"

#include "core/common/Xml.h"
#include "core/image/ParGenImage.h"

namespace cfg::preview {

std::vector<image::Listener_Image_Row>
Read_Device_Rows(const std::filesystem::path& File_ParGen,
                 const std::filesystem::path& File_NMEA_0183_Set_Access) {
    const std::optional<std::string> pargen = xml::read_file(File_ParGen);
    const std::optional<std::string> listener = xml::read_file(File_NMEA_0183_Set_Access);
    if (!listener)
        return {};
    // The ports come from ParGen.xml as the compile reads it (none without the file); the rest of
    // the block is not needed.
    std::uint8_t Serial_Port_Mask = 0;
    if (pargen) {
        image::Parameter_Block block = image::Reset_Parameter_Block();
        image::EtherCAT_Header header;
        Serial_Port_Mask = image::Read_ParGen_Image(File_Bytes{File_ParGen.string(), *pargen}, block, header);
    }
    return image::Read_Listener_Image_Rows(File_Bytes{File_NMEA_0183_Set_Access.string(), *listener},
                                           Serial_Port_Mask);
}

} // namespace cfg::preview
