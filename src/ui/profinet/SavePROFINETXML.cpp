#include "ui/profinet/SavePROFINETXML.h"

#include "core/app/Application.h"
#include "core/profinet/GsdmlFileName.h"
#include "ui/platform/QtPath.h"
#include "ui/profinet/TFProfinetFileName.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/FileDialogService.h"
#include "ui/widgets/SaveTarget.h"
#include "ui/widgets/Texts.h"

namespace ui {
namespace {

// The save dialog lists only the composed name, under the description "PROFINET XML (*.xml)".
QString single_name_filter(const QString& name) {
    return "PROFINET XML (*.xml) (" + name + ")";
}

} // namespace

GsdmlTarget Save_PROFINET_XML(cfg::Application& app, const std::string& name_file_xml, QWidget* parent) {
    const QString name = qt_text(name_file_xml);
    const QString chosen = FileDialogService::getSaveFileName(
        parent, QString(), qt_path(app.Path_Project / std_path(name)), single_name_filter(name));
    if (chosen.isEmpty())
        return std::nullopt;
    GsdmlTarget target;
    run_reported(parent, [&] {
        const std::filesystem::path file = cfg::profinet::gsdml_target(std_path(chosen), name_file_xml);
        if (!May_Write_Chosen_File(app, parent, file))
            return;
        target = file;
    });
    return target;
}

GsdmlTarget PROFINET_XML(cfg::Application& app, TFProfinetFileName& dialog, QWidget* parent) {
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Save_PROFINET_XML(app, dialog.Name_File_XML(), parent);
}

} // namespace ui
