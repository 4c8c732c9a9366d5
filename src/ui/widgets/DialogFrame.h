#pragma once

#include <QList>

#include <initializer_list>

namespace cfg {
class Lang_Strings;
}

class QDialog;
class QWidget;
class QHBoxLayout;
class QLayout;
class QPushButton;

namespace ui {

class TitlePanel;

// The frame every dialog shares: the title panel on top, the body below it taking the room, and a
// bottom row with the left buttons, a gap and the right buttons (OK, Cancel). Returns the bottom row.
QHBoxLayout* lay_out_dialog(QDialog* dialog, TitlePanel* title, QLayout* body,
                            const QList<QPushButton*>& left_buttons,
                            const QList<QPushButton*>& right_buttons);

// A button of a dialog's bottom row, named so that tests find it. It never becomes the default
// button, so Enter stays with the control that has the focus (a table's cell, say).
QPushButton* dialog_button(const char* name, QWidget* parent);

// A button's caption and hint as indices of the text catalogue.
struct Button_Texts {
    QPushButton* button;
    int text;
    int hint;
};

void set_button_texts(const cfg::Lang_Strings& texts, std::initializer_list<Button_Texts> buttons);

} // namespace ui
