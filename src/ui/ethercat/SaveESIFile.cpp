#include "ui/ethercat/SaveESIFile.h"

#include "core/app/Application.h"
#include "core/app/EsiStep.h"
#include "core/ethercat/EsiFileName.h"
#include "core/lang/EtherCATTexts.h"
#include "ui/platform/QtPath.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/SaveTarget.h"
#include "ui/widgets/Texts.h"

#include <filesystem>

namespace ui {
namespace {

constexpr const char* ESI_Filter = "EtherCAT ESI File (*.xml)";

} // namespace

void Save_ESI_File(cfg::Application& app, QWidget* parent) {
    const Save_As save_as{qt_path(app.Path_Project), ESI_Filter, cfg::ethercat::ESI_File_Name};
    Save_Chosen_File(app, parent, save_as, [&app, parent](const std::filesystem::path& file) {
        const std::size_t variables =
            cfg::ethercat::Write_Configuration_ESI(app, file, std::chrono::system_clock::now());
        MessageService::show(parent, MessageIcon::Information,
                             text_of(app.Lang_Strings, cfg::ethercat_text::ESI_Written) + qt_path(file) +
                                 "\n" + text_of(app.Lang_Strings, cfg::ethercat_text::ESI_Variables) +
                                 QString::number(variables));
    });
}

} // namespace ui
