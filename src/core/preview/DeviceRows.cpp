#include "core/preview/DeviceRows.h"

#include "core/common/PathText.h"
#include "core/common/Xml.h"
#include "core/image/ParGenImage.h"
#include "core/nmea/ListenerFile.h"

namespace cfg::preview {
namespace {

// The ports come from ParGen.xml as the compile reads it (none without the file); the rest of the
// block is not needed.
std::uint8_t serial_port_mask(const std::filesystem::path& File_ParGen) {
    const std::optional<std::string> pargen = xml::read_file(File_ParGen);
    if (!pargen)
        return 0;
    image::Parameter_Block block = image::Reset_Parameter_Block();
    image::EtherCAT_Header header;
    return image::Read_ParGen_Image(File_Bytes{utf8_path(File_ParGen), *pargen}, block, header);
}

} // namespace

std::vector<image::Listener_Image_Row>
Read_Device_Rows(const std::filesystem::path& File_ParGen,
                 const std::filesystem::path& File_NMEA_0183_Set_Access) {
    const std::optional<std::string> listener = xml::read_file(File_NMEA_0183_Set_Access);
    if (!listener)
        return {};
    return image::Read_Listener_Image_Rows(File_Bytes{utf8_path(File_NMEA_0183_Set_Access), *listener},
                                           serial_port_mask(File_ParGen));
}

// Through the file's bytes, so the table is compiled exactly as its saved file would be.
std::vector<image::Listener_Image_Row> Table_Device_Rows(const std::filesystem::path& File_ParGen,
                                                         const nmea::Listener_Table& table) {
    const std::string bytes = nmea::Listener_Table_Bytes(table);
    return image::Read_Listener_Image_Rows(File_Bytes{"", bytes}, serial_port_mask(File_ParGen));
}

} // namespace cfg::preview
