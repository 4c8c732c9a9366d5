#include "ui/nmea/ProfinetMap.h"

#include "core/app/Application.h"
#include "core/lang/MainWindowTexts.h"
#include "core/nmea/ObjectsMap.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/FileDialogService.h"
#include "ui/widgets/SaveTarget.h"
#include "ui/widgets/Texts.h"

#include <filesystem>

namespace ui {
namespace {

constexpr const char* CSV_Filter = "CSV (MS-DOS) (*.csv)";

} // namespace

void PROFINET_Map(cfg::Application& app, QWidget* parent) {
    const QString chosen =
        FileDialogService::getSaveFileName(parent, QString(), qt_path(app.Path_Project), CSV_Filter);
    if (chosen.isEmpty())
        return;
    run_reported(parent, [&app, parent, &chosen] {
        const std::filesystem::path file =
            std_path(qt_text(cfg::nmea::Objects_Map_File_Name(chosen.toStdString())));
        if (!May_Write_Chosen_File(app, parent, file, cfg::main_window_text::Overwrite_Question,
                                   MessageButtons::YesNoCancel))
            return;
        cfg::nmea::Export_Objects_Map(app.File_NMEA_0183_Set_Access, file);
    });
}

} // namespace ui
