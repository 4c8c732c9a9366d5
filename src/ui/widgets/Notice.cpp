#include "ui/widgets/Notice.h"

#include <QLabel>

namespace ui {
namespace {

// Longer runs without a blank get break opportunities: a run of this length still fits a narrow
// dialog at any usual font size.
constexpr int Longest_Run = 32;
const QChar Zero_Width_Space(0x200B);

bool is_separator(QChar c) {
    return c == '/' || c == '\\';
}

// A run of characters without a blank, with breaks after its separators and at least every
// Longest_Run characters.
QString breakable_run(const QString& run) {
    if (run.size() <= Longest_Run)
        return run;
    QString out;
    int since_break = 0;
    for (const QChar c : run) {
        out += c;
        ++since_break;
        if (is_separator(c) || since_break >= Longest_Run) {
            out += Zero_Width_Space;
            since_break = 0;
        }
    }
    return out;
}

} // namespace

QString breakable(const QString& text) {
    QString out;
    QString run;
    for (const QChar c : text) {
        if (c.isSpace()) {
            out += breakable_run(run) + c;
            run.clear();
        } else {
            run += c;
        }
    }
    return out + breakable_run(run);
}

void show_notice(QLabel* notice, const QString& text) {
    notice->setText(breakable(text));
    notice->show();
}

QLabel* make_notice(QWidget* parent, const char* name) {
    auto* notice = new QLabel(parent);
    notice->setObjectName(name);
    notice->setWordWrap(true);
    notice->setMargin(4);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette palette = notice->palette();
    palette.setColor(QPalette::Window, QColor(0xff, 0xf3, 0xcd));
    palette.setColor(QPalette::WindowText, QColor(0x66, 0x4d, 0x03));
    notice->setPalette(palette);
    notice->setAutoFillBackground(true);
    notice->hide();
    return notice;
}

} // namespace ui
