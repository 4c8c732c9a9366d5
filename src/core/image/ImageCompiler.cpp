#include "core/image/ImageCompiler.h"

#include "core/image/EtherCATImage.h"
#include "core/image/ImageLayout.h"
#include "core/image/ListenerImage.h"
#include "core/image/LittleEndian.h"
#include "core/image/ParGenImage.h"

namespace cfg::image {

Configuration_Image Read_Configuration_Image(const Configuration_Files& files) {
    // A fresh image every time: nothing of an earlier compile survives into this one.
    Configuration_Image image;
    image.Serial_Port_Mask = Read_ParGen_Image(files.File_ParGen, image.parameter_block, image.header);
    put_u32(image.parameter_block, Offset_Bank3_Address, Bank3_Address);
    image.listener_entries = Read_Listener_Image(files.File_NMEA_0183_Set_Access, image.Serial_Port_Mask);
    put_u32(image.parameter_block, Offset_Listener_Count,
            static_cast<std::uint32_t>(image.listener_entries.size()));
    image.records = Read_EtherCAT_Image(files.File_EtherCAT_Slave, Bank3_Address, image.header);
    return image;
}

Bank_Images Compile_Image(const Configuration_Files& files) {
    return Lay_Out_Banks(Read_Configuration_Image(files));
}

} // namespace cfg::image
