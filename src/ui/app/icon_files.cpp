// Writes the program's icon in the icon theme's sizes, for installing beside the desktop entry:
// configurator-icon-files OUTPUT_FOLDER NAME (OUTPUT_FOLDER/hicolor/<n>x<n>/apps/NAME.png).
#include "ui/widgets/Icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: configurator-icon-files OUTPUT_FOLDER NAME\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qt(argc, argv);
    const QDir output(QCoreApplication::arguments().at(1));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("hicolor/%1x%1/apps").arg(size);
        const QString file = output.filePath(folder + "/" + QCoreApplication::arguments().at(2) + ".png");
        if (!output.mkpath(folder) || !ui::program_icon_image(size).save(file)) {
            std::cerr << "cannot write " << file.toStdString() << '\n';
            return 1;
        }
    }
    return 0;
}
