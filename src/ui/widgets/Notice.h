#pragma once

class QLabel;
class QWidget;

namespace ui {

// A line in a screen that tells what the screen cannot show or cannot vouch for, hidden until it
// has something to say. It keeps a pale warning colour of its own, so it reads the same in every
// desktop theme.
QLabel* make_notice(QWidget* parent, const char* name);

} // namespace ui
