#pragma once

#include <QKeySequence>
#include <QList>
#include <QUndoCommand>

#include <functional>

class QKeyEvent;

namespace ui {

// One change of the user's on an editing screen, as the screen's undo stack keeps it: how to put
// the state before it back and how to make it again. The change has already been made when the
// step is pushed, so the stack's first redo does nothing. Steps with the same typing key (zero or
// more) merge, so that typing into one field is undone whole.
class Screen_Step : public QUndoCommand {
public:
    Screen_Step(std::function<void()> undo, std::function<void()> redo, int typing_key = -1);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    std::function<void()> undo_;
    std::function<void()> redo_;
    int typing_key_;
    bool pushed_ = false;
};

// The keys of undo and redo: the platform's own, and Ctrl+Shift+Z and Ctrl+Y everywhere, each once
// so that no key is bound twice.
QList<QKeySequence> undo_keys();
QList<QKeySequence> redo_keys();
bool is_undo_or_redo_key(const QKeyEvent* event);

} // namespace ui
