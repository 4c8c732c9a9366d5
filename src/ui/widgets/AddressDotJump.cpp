#include "ui/widgets/AddressDotJump.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

AddressDotJump::AddressDotJump(QObject* parent) : QObject(parent) {}

void AddressDotJump::watch(QLineEdit* field) {
    if (next_.emplace(field, nullptr).second)
        field->installEventFilter(this);
}

void AddressDotJump::chain(const std::vector<QLineEdit*>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        watch(fields[i]);
        if (i + 1 < fields.size())
            next_[fields[i]] = fields[i + 1];
    }
}

bool AddressDotJump::KeyPress(QLineEdit* Sender, const QString& Key) {
    if (Key != ".")
        return false;
    const auto found = next_.find(Sender);
    if (found != next_.end() && found->second && found->second->isEnabled() && found->second->isVisible())
        found->second->setFocus(Qt::TabFocusReason);
    return true;
}

bool AddressDotJump::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && next_.contains(watched))
        return KeyPress(static_cast<QLineEdit*>(watched), static_cast<QKeyEvent*>(event)->text());
    return QObject::eventFilter(watched, event);
}

} // namespace ui
