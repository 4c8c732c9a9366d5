#include "ui/widgets/ScreenStep.h"

#include <QKeyEvent>

namespace ui {
namespace {

constexpr int Typing_Step_Id = 1;

QList<QKeySequence> without_repeats(QList<QKeySequence> keys) {
    QList<QKeySequence> unique;
    for (const QKeySequence& key : keys)
        if (!key.isEmpty() && !unique.contains(key))
            unique.append(key);
    return unique;
}

} // namespace

Screen_Step::Screen_Step(std::function<void()> undo, std::function<void()> redo, int typing_key)
    : undo_(std::move(undo)), redo_(std::move(redo)), typing_key_(typing_key) {}

void Screen_Step::undo() {
    undo_();
}

void Screen_Step::redo() {
    if (pushed_)
        redo_();
    pushed_ = true;
}

int Screen_Step::id() const {
    return typing_key_ >= 0 ? Typing_Step_Id : -1;
}

bool Screen_Step::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const Screen_Step*>(other);
    if (next->typing_key_ != typing_key_)
        return false;
    redo_ = next->redo_;
    return true;
}

QList<QKeySequence> undo_keys() {
    return without_repeats(QKeySequence::keyBindings(QKeySequence::Undo));
}

QList<QKeySequence> redo_keys() {
    return without_repeats(QKeySequence::keyBindings(QKeySequence::Redo) +
                           QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                               QKeySequence(Qt::CTRL | Qt::Key_Y)});
}

bool is_undo_or_redo_key(const QKeyEvent* event) {
    const QKeySequence pressed(event->keyCombination());
    return undo_keys().contains(pressed) || redo_keys().contains(pressed);
}

} // namespace ui
