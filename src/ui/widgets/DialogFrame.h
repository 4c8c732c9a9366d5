#pragma once

#include <QList>

class QDialog;
class QLayout;
class QPushButton;

namespace ui {

class TitlePanel;

// The frame every dialog shares: the title panel on top, the body below it taking the room, and a
// bottom row with the left buttons, a gap and the right buttons (OK, Cancel).
void lay_out_dialog(QDialog* dialog, TitlePanel* title, QLayout* body,
                    const QList<QPushButton*>& left_buttons, const QList<QPushButton*>& right_buttons);

} // namespace ui
