#include "ui/widgets/ConfigurationList.h"

#include "core/app/ConfigurationFolders.h"

#include <QListWidget>

namespace ui {

void show_configurations(QListWidget* list_box, const cfg::Open_Conf_State& list) {
    const QSignalBlocker quiet(list_box);
    list_box->clear();
    for (const std::string& name : list.SL)
        list_box->addItem(QString::fromStdString(name));
    list_box->setCurrentRow(list.selected);
}

} // namespace ui
