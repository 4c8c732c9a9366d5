// Renders every window of the program to PNG files, without a display, to keep the README's
// picture current and to review the look: configurator-screenshots OUTPUT_FOLDER
#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "ui/app/TFMorvelFirmWare.h"
#include "ui/platform/QtHttpClient.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <iostream>

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: configurator-screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(output.path());

    // A fresh program folder with one configuration, so the windows show a typical state.
    QTemporaryDir program_folder;
    cfg::Application app = cfg::Start_Application(program_folder.path().toStdString());
    cfg::Create_New_Project(app, "Ship_Bridge_1");
    cfg::Create_New_Project(app, "Engine_Room");

    ui::QtHttpClient http;
    ui::TFMorvelFirmWare main_window(app, http);
    int failures = 0;
    for (QWidget* window : main_window.windows()) {
        window->show();
        QApplication::processEvents();
        const QString file = output.filePath(window->objectName() + ".png");
        if (!window->grab().save(file)) {
            std::cerr << "cannot write " << file.toStdString() << '\n';
            ++failures;
        }
        window->hide();
    }
    return failures == 0 ? 0 : 1;
}
