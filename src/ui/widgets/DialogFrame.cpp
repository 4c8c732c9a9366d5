#include "ui/widgets/DialogFrame.h"

#include "ui/widgets/TitlePanel.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

void lay_out_dialog(QDialog* dialog, TitlePanel* title, QLayout* body,
                    const QList<QPushButton*>& left_buttons, const QList<QPushButton*>& right_buttons) {
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(title);
    body->setContentsMargins(8, 4, 8, 0);
    layout->addLayout(body, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 0, 8, 0);
    for (QPushButton* button : left_buttons)
        buttons->addWidget(button);
    buttons->addStretch();
    for (QPushButton* button : right_buttons)
        buttons->addWidget(button);
    layout->addLayout(buttons);
}

} // namespace ui
