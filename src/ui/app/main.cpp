#include "ui/app/ProgramStart.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    return ui::Run_Configurator(qt);
}
