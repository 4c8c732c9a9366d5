#include "ui/app/ProgramStart.h"

#include "core/app/Application.h"
#include "core/app/ModelIdentity.h"
#include "ui/app/TFMorvelFirmWare.h"
#include "ui/platform/QtHttpClient.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/Texts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <filesystem>
#include <iostream>
#include <optional>

namespace ui {

int Run_Configurator(QApplication& qt) {
    // The name message boxes carry; a display name would be appended to every window title.
    QApplication::setApplicationName(qt_text(cfg::SW_Code));
    QApplication::setApplicationVersion(qt_text(cfg::Program_Version));
    QApplication::setWindowIcon(program_icon());

    QCommandLineParser options;
    options.setApplicationDescription(qt_text(cfg::App_Title));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption home("home", "Use DIR for MASTER, PROJECTS, LANGUAGE and Morvel.xml.", "DIR");
    options.addOption(home);
    options.process(qt);

    // The program's folders, settings and texts live beside a copy of the program, in the user's data
    // folder for an installed one, or in the folder --home names, which is made when missing. A
    // folder that cannot be used is a mistake on the command line, reported there like the parser's
    // own.
    const std::filesystem::path program_folder = std_path(QCoreApplication::applicationDirPath());
    cfg::Program_Folders folders = cfg::Find_Program_Folders(program_folder, cfg::Process_Environment);
    if (options.isSet(home)) {
        const QString folder = options.value(home);
        std::error_code error;
        if (folder.isEmpty() || (!std::filesystem::is_directory(std_path(folder), error) &&
                                 !std::filesystem::create_directories(std_path(folder), error))) {
            std::cerr << "configurator: the folder \"" << folder.toStdString()
                      << "\" cannot be used: " << (error ? error.message() : "it is not a folder") << '\n';
            return 2;
        }
        folders = cfg::Program_Folders_With_Data(program_folder, std_path(folder));
    }
    std::optional<cfg::Application> app;
    if (!run_reported(nullptr, [&] { app = cfg::Start_Application(folders); }))
        return 1;

    QtHttpClient http;
    TFMorvelFirmWare main_window(*app, http);
    main_window.move(main_window.screen()->availableGeometry().center() - main_window.rect().center());
    main_window.show();
    return QApplication::exec();
}

} // namespace ui
