#include "ui/image/UpdateDevice.h"

#include "core/app/CompileConfiguration.h"
#include "ui/image/TFBoot.h"
#include "ui/widgets/ErrorReport.h"

namespace ui {

void Update_Device(cfg::Application& app, TFBoot& boot, QWidget* parent) {
    const bool compiled = run_reported(parent, [&app] { cfg::image::Compile_Configuration(app); });
    if (!compiled)
        return;
    boot.Form_Type = TFBoot::Ethernet_Update;
    boot.exec();
}

} // namespace ui
