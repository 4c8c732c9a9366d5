#include "ui/widgets/MessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {
namespace {

struct TestHooks {
    bool active = false;
    QList<MessageAnswer> answers;
    QStringList shown;
    QList<MessageAnswer> enter_answers;
};

TestHooks& hooks() {
    static TestHooks instance;
    return instance;
}

QMessageBox::Icon box_icon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons box_buttons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageAnswer answer_of(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace

// The button Enter presses: No where Yes would lose data, otherwise the box's own choice (its
// first affirmative button).
MessageAnswer enter_answer(MessageButtons buttons, YesLoses yes_loses) {
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return yes_loses == YesLoses::Data ? MessageAnswer::No : MessageAnswer::Yes;
}

MessageAnswer MessageService::show(QWidget* parent, MessageIcon icon, const QString& text,
                                   MessageButtons buttons, YesLoses yes_loses) {
    TestHooks& test = hooks();
    if (test.active) {
        test.shown.append(text);
        test.enter_answers.append(enter_answer(buttons, yes_loses));
        if (!test.answers.isEmpty())
            return test.answers.takeFirst();
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    QMessageBox box(box_icon(icon), QApplication::applicationName(), text, box_buttons(buttons), parent);
    if (yes_loses == YesLoses::Data)
        box.setDefaultButton(QMessageBox::No);
    return answer_of(box.exec());
}

void MessageService::startTestMode() {
    hooks().active = true;
}

void MessageService::queueAnswers(const QList<MessageAnswer>& answers) {
    hooks().active = true;
    hooks().answers.append(answers);
}

QStringList MessageService::shownTexts() {
    return hooks().shown;
}

QList<MessageAnswer> MessageService::enterAnswers() {
    return hooks().enter_answers;
}

void MessageService::reset() {
    hooks() = TestHooks{};
}

} // namespace ui
