#include "ui/app/ProgramStart.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = ui::Answer_Without_Display(argc, argv))
        return *answered;
    QApplication qt(argc, argv);
    return ui::Run_Configurator(qt);
}
