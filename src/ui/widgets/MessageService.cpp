#include "ui/widgets/MessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {
namespace {

struct TestHooks {
    bool active = false;
    QList<MessageAnswer> answers;
    QStringList shown;
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

MessageAnswer MessageService::show(QWidget* parent, MessageIcon icon, const QString& text,
                                   MessageButtons buttons) {
    TestHooks& test = hooks();
    if (test.active) {
        test.shown.append(text);
        if (!test.answers.isEmpty())
            return test.answers.takeFirst();
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    QMessageBox box(box_icon(icon), QApplication::applicationName(), text, box_buttons(buttons), parent);
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

void MessageService::reset() {
    hooks() = TestHooks{};
}

} // namespace ui
