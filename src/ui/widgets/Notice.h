#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace ui {

// A line in a screen that tells what the screen cannot show or cannot vouch for, hidden until it
// has something to say. It keeps a pale warning colour of its own, so it reads the same in every
// desktop theme.
QLabel* make_notice(QWidget* parent, const char* name);

// The text with a break opportunity (a zero-width space) in every run of more than a few dozen
// characters without a blank: after its folder separators, and within a part still too long. A
// long path or configuration name then wraps in a word-wrapped label instead of widening it, and
// with it the dialog, past the screen.
QString breakable(const QString& text);

// Shows the notice with the text, wrapped wherever it needs to be.
void show_notice(QLabel* notice, const QString& text);

} // namespace ui
