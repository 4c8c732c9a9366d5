#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

enum class MessageIcon { Error, Warning, Question, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Every message box of the program goes through here. Tests queue the answers the user would give
// and read back what was shown, so no real modal box ever blocks a test.
class MessageService {
public:
    static MessageAnswer show(QWidget* parent, MessageIcon icon, const QString& text,
                              MessageButtons buttons = MessageButtons::Ok);

    static void error(QWidget* parent, const QString& text) { show(parent, MessageIcon::Error, text); }
    static bool confirm(QWidget* parent, const QString& text) {
        return show(parent, MessageIcon::Question, text, MessageButtons::YesNo) == MessageAnswer::Yes;
    }

    // Test hooks: in test mode show() records the text and returns the next queued answer
    // (OK, or No for a question, when none is queued) instead of opening a box.
    static void startTestMode();
    static void queueAnswers(const QList<MessageAnswer>& answers);
    static QStringList shownTexts();
    static void reset();
};

} // namespace ui
