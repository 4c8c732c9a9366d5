#include "core/preview/DeviceRows.h"

#include "core/common/Xml.h"
#include "core/image/ParGenImage.h"

namespace cfg::preview {

std::vector<image::Listener_Image_Row>
Read_Device_Rows(const std::filesystem::path& File_ParGen,
                 const std::filesystem::path& File_NMEA_0183_Set_Access) {
    // The ports come from ParGen.xml as the compile reads it; the rest of the block is not needed.
    const std::optional<std::string> pargen = xml::read_file(File_ParGen);
    const std::optional<std::string> listener = xml::read_file(File_NMEA_0183_Set_Access);
    image::Parameter_Block block = image::Reset_Parameter_Block();
    image::EtherCAT_Header header;
    const std::optional<File_Bytes> pargen_bytes = file_bytes_of(File_ParGen, pargen);
    const std::uint8_t Serial_Port_Mask = pargen_bytes ? image::Read_ParGen_Image(*pargen_bytes, block, header) : 0;
    const std::optional<File_Bytes> listener_bytes = file_bytes_of(File_NMEA_0183_Set_Access, listener);
    if (!listener_bytes)
        return {};
    return image::Read_Listener_Image_Rows(*listener_bytes, Serial_Port_Mask);
}

} // namespace cfg::preview
