#include "core/app/CompileConfiguration.h"

#include "core/app/Application.h"
#include "core/image/BankFiles.h"
#include "core/image/ImageCompiler.h"

namespace cfg::image {

void Compile_Configuration(const Application& app) {
    const Bank_Images banks =
        Compile_Image({app.File_ParGen, app.File_NMEA_0183_Set_Access, app.File_EtherCAT_Slave});
    Write_Bank_Files(banks, app.Path_Project);
}

Update_Job_Folders Job_Folders(const Application& app) {
    return {app.Path_Exe, app.Path_Data, app.Path_Master, app.Path_Project};
}

} // namespace cfg::image
