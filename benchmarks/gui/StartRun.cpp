#include "StartRun.h"

#include "FirstPaint.h"
#include "ui/app/ProgramStart.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <cstdlib>

namespace bench {

int run_program_start(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    FirstPaint::quit_after_first_paint(qt);
    return ui::Run_Configurator(qt);
}

int run_bare_window_start(int argc, char* argv[], bool captioned) {
    if (argc != 3)
        return 2;
    QApplication qt(argc, argv);
    FirstPaint::quit_after_first_paint(qt);
    QWidget window;
    window.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
    if (captioned)
        (new QLabel("A window with one caption", &window))->move(16, 16);
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}

} // namespace bench
