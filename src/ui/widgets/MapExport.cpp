#include "ui/widgets/MapExport.h"

#include "core/app/Application.h"
#include "core/bytemap/ByteMapSvg.h"
#include "core/bytemap/MapPictureFile.h"
#include "core/common/ConfigError.h"
#include "core/common/SafeFile.h"
#include "ui/platform/QtPath.h"
#include "ui/widgets/ByteMapView.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/FileDialogService.h"
#include "ui/widgets/MapTexts.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/SaveTarget.h"
#include "ui/widgets/Texts.h"

#include <QBuffer>

namespace ui {
namespace {

std::string png_bytes(const QImage& picture, const std::string& failure) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        throw cfg::ConfigError(failure);
    return bytes.toStdString();
}

} // namespace

void Export_Byte_Map(const cfg::Application& app, const ByteMapView& view, int first_text, QWidget* parent) {
    const auto text = [&app, first_text](int offset) {
        return text_of(app.Lang_Strings, first_text + offset);
    };
    const QString chosen =
        FileDialogService::getSaveFileName(parent, QString(), qt_path(app.Path_Project), text(Export_Filter));
    if (chosen.isEmpty())
        return;
    run_reported(parent, [&] {
        const cfg::bytemap::Picture_File file = cfg::bytemap::Map_Picture_File(std_path(chosen));
        if (!May_Write_Chosen_File(app, parent, file.path))
            return;
        cfg::write_file_safely(
            file.path,
            file.kind == cfg::bytemap::Picture_Kind::Svg
                ? cfg::bytemap::Byte_Map_Svg(view.map())
                : png_bytes(view.picture(), (text(Picture_Failed) + qt_path(file.path)).toStdString()));
        MessageService::show(parent, MessageIcon::Information, text(Export_Written) + qt_path(file.path));
    });
}

} // namespace ui
