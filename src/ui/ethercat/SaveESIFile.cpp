#include "ui/ethercat/SaveESIFile.h"

#include "core/app/Application.h"
#include "core/ethercat/EsiFileName.h"
#include "core/ethercat/EsiStep.h"
#include "core/lang/EtherCATTexts.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/FileDialogService.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/SaveTarget.h"
#include "ui/widgets/Texts.h"

#include <filesystem>

namespace ui {
namespace {

constexpr const char* ESI_Filter = "EtherCAT ESI File (*.xml)";

} // namespace

void Save_ESI_File(cfg::Application& app, QWidget* parent) {
    const QString chosen =
        FileDialogService::getSaveFileName(parent, QString(), qt_path(app.Path_Project), ESI_Filter);
    if (chosen.isEmpty())
        return;
    run_reported(parent, [&app, parent, &chosen] {
        const std::filesystem::path file = cfg::ethercat::ESI_File_Name(std_path(chosen));
        if (!May_Write_Chosen_File(app, parent, file))
            return;
        const std::size_t variables =
            cfg::ethercat::Write_Configuration_ESI(app, file, std::chrono::system_clock::now());
        MessageService::show(parent, MessageIcon::Information,
                             text_of(app.Lang_Strings, cfg::ethercat_text::ESI_Written) + qt_path(file) +
                                 "\n" + text_of(app.Lang_Strings, cfg::ethercat_text::ESI_Variables) +
                                 QString::number(variables));
    });
}

} // namespace ui
