// Renders every window of the program to PNG files, without a display, to keep the README's
// picture current and to review the look: configurator-screenshots OUTPUT_FOLDER
#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "core/app/SoftOptions.h"
#include "ui/app/TFMorvelFirmWare.h"
#include "ui/platform/QtHttpClient.h"
#include "ui/platform/QtPath.h"
#include "ui/report/ReportDocument.h"
#include "ui/widgets/ByteMapView.h"

#include <QApplication>
#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <iostream>

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: configurator-screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir output(QCoreApplication::arguments().at(1));
    QDir().mkpath(output.path());

    // A fresh program folder with the example configuration open, so the windows show a typical state.
    QTemporaryDir program_folder;
    cfg::Application app = cfg::Start_Application(ui::std_path(program_folder.path()));
    cfg::Create_New_Project(app, "Engine_Room");
    cfg::Create_New_Project(app, "Ship_Bridge_1");
    cfg::Open_Project(app, "Ship_Bridge_1");
    for (const auto& example : std::filesystem::directory_iterator(CONFIGURATOR_EXAMPLE_DIR))
        std::filesystem::copy_file(example.path(), app.Path_Project / example.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);

    ui::QtHttpClient http;
    ui::TFMorvelFirmWare main_window(app, http);
    int failures = 0;
    const auto save = [&](const QImage& picture, const QString& name) {
        const QString file = output.filePath(name + ".png");
        if (!picture.save(file)) {
            std::cerr << "cannot write " << file.toStdString() << '\n';
            ++failures;
        }
    };
    for (QWidget* window : main_window.windows()) {
        window->show();
        QApplication::processEvents();
        save(window->grab().toImage(), window->objectName());
        window->hide();
    }
    // The first page of the configuration's report, as its PDF file shows it, at 60 dots per inch. A
    // fixed moment, so that the picture is the same on every run.
    {
        const ui::Report_Document report(app, std::chrono::sys_days{std::chrono::year{2025} / 1 / 15} +
                                                  std::chrono::hours{9});
        const QSizeF page = QPageSize(QPageSize::A4).size(QPageSize::Inch).transposed() * 60;
        QImage first_page(page.toSize(), QImage::Format_RGB32);
        QPainter painter(&first_page);
        report.paint_page(painter, 0, first_page.rect());
        painter.end();
        save(first_page, "Report");
    }
    // The About box in every shipped language, each naming the data folder in use.
    const std::filesystem::path languages = app.Path_Language;
    for (const auto& shipped : std::filesystem::directory_iterator(CONFIGURATOR_SHIPPED_LANGUAGES_DIR)) {
        if (shipped.path().extension() != ".lng")
            continue;
        std::filesystem::copy_file(shipped.path(), languages / shipped.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
        cfg::Load_Picked_Language(app.Lang_Strings, app.language_folders(), shipped.path().stem().string());
        main_window.Change_Language();
        QWidget* about = main_window.findChild<QWidget*>("TFAbout");
        about->show();
        QApplication::processEvents();
        save(about->grab().toImage(), "TFAbout_" + ui::qt_path(shipped.path().stem()));
        about->hide();
    }
    // The whole byte map, as its export writes it; the windows show only its first lines.
    for (const ui::ByteMapView* map : main_window.findChildren<ui::ByteMapView*>("ByteMap"))
        if (map->window()->objectName() == "TFNMEA_0183_Set_Access2")
            save(map->picture(), "ByteMap");
    return failures == 0 ? 0 : 1;
}
