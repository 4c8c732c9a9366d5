#include "ui/nmea/ProfinetMap.h"

#include "core/app/Application.h"
#include "core/lang/MainWindowTexts.h"
#include "core/nmea/ObjectsMap.h"
#include "ui/platform/QtPath.h"
#include "ui/widgets/SaveTarget.h"
#include "ui/widgets/Texts.h"

#include <filesystem>

namespace ui {
namespace {

constexpr const char* CSV_Filter = "CSV (MS-DOS) (*.csv)";

} // namespace

void PROFINET_Map(cfg::Application& app, QWidget* parent) {
    const Save_As save_as{qt_path(app.Path_Project), CSV_Filter,
                          [](const std::filesystem::path& chosen) {
                              return std_path(
                                  qt_text(cfg::nmea::Objects_Map_File_Name(qt_path(chosen).toStdString())));
                          },
                          cfg::main_window_text::Overwrite_Question, MessageButtons::YesNoCancel};
    Save_Chosen_File(app, parent, save_as, [&app](const std::filesystem::path& file) {
        cfg::nmea::Export_Objects_Map(app.File_NMEA_0183_Set_Access, file);
    });
}

} // namespace ui
