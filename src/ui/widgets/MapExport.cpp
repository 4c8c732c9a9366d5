#include "ui/widgets/MapExport.h"

#include "core/app/Application.h"
#include "core/bytemap/ByteMapSvg.h"
#include "core/bytemap/MapPictureFile.h"
#include "core/common/ConfigError.h"
#include "core/common/SafeFile.h"
#include "ui/platform/QtPath.h"
#include "ui/widgets/ByteMapView.h"
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
    const Save_As save_as{
        qt_path(app.Path_Project), text(Export_Filter),
        [](const std::filesystem::path& chosen) { return cfg::bytemap::Map_Picture_File(chosen).path; }};
    Save_Chosen_File(app, parent, save_as, [&](const std::filesystem::path& file) {
        // The file's name, made above, tells its kind again.
        cfg::write_file_safely(
            file, cfg::bytemap::Map_Picture_File(file).kind == cfg::bytemap::Picture_Kind::Svg
                      ? cfg::bytemap::Byte_Map_Svg(view.map())
                      : png_bytes(view.picture(), (text(Picture_Failed) + qt_path(file)).toStdString()));
        MessageService::show(parent, MessageIcon::Information, text(Export_Written) + qt_path(file));
    });
}

} // namespace ui
