#include "ui/widgets/DialogFrame.h"

#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

QHBoxLayout* lay_out_dialog(QDialog* dialog, TitlePanel* title, QLayout* body,
                            const QList<QPushButton*>& left_buttons,
                            const QList<QPushButton*>& right_buttons) {
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
    return buttons;
}

QPushButton* dialog_button(const char* name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void set_button_texts(const cfg::Lang_Strings& texts, std::initializer_list<Button_Texts> buttons) {
    for (const Button_Texts& b : buttons) {
        b.button->setText(text_of(texts, b.text));
        b.button->setToolTip(text_of(texts, b.hint));
    }
}

} // namespace ui
