// Writes the program's icon in the icon theme's sizes, for installing beside the desktop entry,
// and as one Windows icon file for the Windows package: configurator-icon-files OUTPUT_FOLDER NAME
// (OUTPUT_FOLDER/hicolor/<n>x<n>/apps/NAME.png and OUTPUT_FOLDER/NAME.ico).
#include "core/common/SafeFile.h"
#include "ui/platform/QtPath.h"
#include "ui/widgets/IconFile.h"
#include "ui/widgets/Icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <exception>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: configurator-icon-files OUTPUT_FOLDER NAME\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qt(argc, argv);
    const QDir output(QCoreApplication::arguments().at(1));
    const QString name = QCoreApplication::arguments().at(2);
    const auto cannot_write = [](const QString& file) {
        std::cerr << "cannot write " << file.toStdString() << '\n';
        return 1;
    };
    QList<QImage> pictures;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("hicolor/%1x%1/apps").arg(size);
        const QString file = output.filePath(folder + "/" + name + ".png");
        pictures.append(ui::program_icon_image(size));
        if (!output.mkpath(folder) || !pictures.last().save(file))
            return cannot_write(file);
    }
    const QString ico = output.filePath(name + ".ico");
    const QByteArray bytes = ui::ico_file(pictures);
    if (bytes.isEmpty())
        return cannot_write(ico);
    try {
        cfg::write_file_safely(ui::std_path(ico),
                               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return cannot_write(ico);
    }
    return 0;
}
