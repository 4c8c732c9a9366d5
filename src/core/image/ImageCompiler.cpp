#include "core/image/ImageCompiler.h"

#include "core/common/Xml.h"
#include "core/image/EtherCATImage.h"
#include "core/image/ImageLayout.h"
#include "core/image/ListenerImage.h"
#include "core/image/LittleEndian.h"
#include "core/image/ParGenImage.h"

namespace cfg::image {

Configuration_Image Read_Configuration_Image(const Configuration_Files& files) {
    // Every file is read before any is compiled, so a file that cannot be read is reported first.
    const std::optional<std::string> pargen = xml::read_file(files.File_ParGen);
    const std::optional<std::string> listener = xml::read_file(files.File_NMEA_0183_Set_Access);
    const std::optional<std::string> ethercat_slave = xml::read_file(files.File_EtherCAT_Slave);
    return Read_Configuration_Image(Configuration_Bytes{
        file_bytes_of(files.File_ParGen, pargen), file_bytes_of(files.File_NMEA_0183_Set_Access, listener),
        file_bytes_of(files.File_EtherCAT_Slave, ethercat_slave)});
}

Configuration_Image Read_Configuration_Image(const Configuration_Bytes& files) {
    // A fresh image every time: nothing of an earlier compile survives into this one.
    Configuration_Image image;
    if (files.File_ParGen)
        image.Serial_Port_Mask = Read_ParGen_Image(*files.File_ParGen, image.parameter_block, image.header);
    put_u32(image.parameter_block, Offset_Bank3_Address, Bank3_Address);
    if (files.File_NMEA_0183_Set_Access)
        image.listener_entries =
            Read_Listener_Image(*files.File_NMEA_0183_Set_Access, image.Serial_Port_Mask);
    put_u32(image.parameter_block, Offset_Listener_Count,
            static_cast<std::uint32_t>(image.listener_entries.size()));
    if (files.File_EtherCAT_Slave)
        image.records = Read_EtherCAT_Image(*files.File_EtherCAT_Slave, Bank3_Address);
    image.header.count = static_cast<std::uint32_t>(image.records.size());
    image.header.records_address = Bank3_Address + EtherCAT_Header_Size;
    return image;
}

Bank_Images Compile_Image(const Configuration_Files& files) {
    return Lay_Out_Banks(Read_Configuration_Image(files));
}

Bank_Images Compile_Image(const Configuration_Bytes& files) {
    return Lay_Out_Banks(Read_Configuration_Image(files));
}

} // namespace cfg::image
