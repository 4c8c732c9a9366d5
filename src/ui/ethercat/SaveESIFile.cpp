#include "ui/ethercat/SaveESIFile.h"

#include "core/app/Application.h"
#include "core/ethercat/EsiFile.h"
#include "core/ethercat/EsiFileName.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/FileDialogService.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"

#include <filesystem>

namespace ui {
namespace {

constexpr int Overwrite_Question = 903;
constexpr const char* ESI_Filter = "EtherCAT ESI File (*.xml)";

QString qt_path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::filesystem::path std_path(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()),
                                               static_cast<std::size_t>(utf8.size())));
}

} // namespace

void Save_ESI_File(cfg::Application& app, QWidget* parent) {
    const QString chosen =
        FileDialogService::getSaveFileName(parent, QString(), qt_path(app.Path_Project), ESI_Filter);
    if (chosen.isEmpty())
        return;
    run_reported(parent, [&app, parent, &chosen] {
        const std::filesystem::path file = cfg::ethercat::ESI_File_Name(std_path(chosen));
        if (std::filesystem::exists(file) &&
            !MessageService::confirm(parent, text_of(app.Lang_Strings, Overwrite_Question)))
            return;
        cfg::ethercat::Create_ESI_File(app.File_ParGen, app.File_EtherCAT_Slave, file);
    });
}

} // namespace ui
