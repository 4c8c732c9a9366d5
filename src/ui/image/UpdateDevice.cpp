#include "ui/image/UpdateDevice.h"

#include "core/app/Application.h"
#include "core/image/BankFiles.h"
#include "core/image/ImageCompiler.h"
#include "ui/image/TFBoot.h"
#include "ui/widgets/ErrorReport.h"

namespace ui {

void Update_Device(cfg::Application& app, TFBoot& boot, QWidget* parent) {
    const bool compiled = run_reported(parent, [&app] {
        const cfg::image::Bank_Images banks = cfg::image::Compile_Image(
            {app.File_ParGen, app.File_NMEA_0183_Set_Access, app.File_EtherCAT_Slave});
        cfg::image::Write_Bank_Files(banks, app.Path_Project);
    });
    if (!compiled)
        return;
    boot.Form_Type = TFBoot::Ethernet_Update;
    boot.exec();
}

} // namespace ui
