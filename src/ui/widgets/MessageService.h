#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

enum class MessageIcon { Error, Warning, Question, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };
// What a Yes throws away. A question whose Yes loses data (changes, rows, a file) opens with No as
// its default button, so an Enter typed on the way keeps the data.
enum class YesLoses { Nothing, Data };

// Every message box of the program goes through here. Tests queue the answers the user would give
// and read back what was shown, so no real modal box ever blocks a test.
class MessageService {
public:
    static MessageAnswer show(QWidget* parent, MessageIcon icon, const QString& text,
                              MessageButtons buttons = MessageButtons::Ok,
                              YesLoses yes_loses = YesLoses::Nothing);

    static void error(QWidget* parent, const QString& text) { show(parent, MessageIcon::Error, text); }
    static bool confirm(QWidget* parent, const QString& text) {
        return show(parent, MessageIcon::Question, text, MessageButtons::YesNo) == MessageAnswer::Yes;
    }
    // A question whose Yes loses data: true only for Yes, which the user must choose on purpose.
    static bool confirm_loss(QWidget* parent, const QString& text) {
        return show(parent, MessageIcon::Question, text, MessageButtons::YesNo, YesLoses::Data) ==
               MessageAnswer::Yes;
    }

    // Test hooks: in test mode show() records the text and returns the next queued answer
    // (OK, or No for a question, when none is queued) instead of opening a box.
    static void startTestMode();
    static void queueAnswers(const QList<MessageAnswer>& answers);
    static QStringList shownTexts();
    // For each box shown, the answer that Enter would have given (its default button).
    static QList<MessageAnswer> enterAnswers();
    static void reset();
};

} // namespace ui
