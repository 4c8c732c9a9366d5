#include "ui/profinet/SavePROFINETXML.h"

#include "core/app/Application.h"
#include "core/profinet/GsdmlFileName.h"
#include "ui/platform/QtPath.h"
#include "ui/profinet/TFProfinetFileName.h"
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
    const Save_As save_as{qt_path(app.Path_Project / std_path(name)), single_name_filter(name),
                          [&name_file_xml](const std::filesystem::path& chosen) {
                              return cfg::profinet::gsdml_target(chosen, name_file_xml);
                          }};
    GsdmlTarget target;
    Save_Chosen_File(app, parent, save_as, [&target](const std::filesystem::path& file) { target = file; });
    return target;
}

GsdmlTarget PROFINET_XML(cfg::Application& app, TFProfinetFileName& dialog, QWidget* parent) {
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Save_PROFINET_XML(app, dialog.Name_File_XML(), parent);
}

} // namespace ui
