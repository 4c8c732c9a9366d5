#include "ui/nmea/PreviewActivity.h"

#include "ui/nmea/PreviewTexts.h"
#include "ui/widgets/Texts.h"

#include <QDir>
#include <QFileInfo>

namespace ui {

QString Activity_Text(const cfg::Lang_Strings& texts, Preview_Activity activity,
                      const Preview_Source& source) {
    namespace T = preview_text;
    const auto text = [&texts](int index) { return text_of(texts, index); };
    const QString log = QFileInfo(source.log_file).fileName();
    const QString sentences = text(T::Dash) + QString::number(source.sentences) + text(T::Sentences_Word);
    const QString port_failed = source.port_name + text(T::Colon) + source.reason;
    switch (activity) {
    case Preview_Activity::Idle:
        return text(T::Idle);
    case Preview_Activity::Playing:
        return text(T::Playing) + log + sentences;
    case Preview_Activity::Paused:
        return text(T::Paused) + log + sentences;
    case Preview_Activity::End_Of_Log:
        return text(T::End_Of_Log) + log + sentences;
    case Preview_Activity::Stopped:
        return text(T::Stopped) + log + sentences;
    case Preview_Activity::Log_Unread:
        return text(T::Log_Unread) + QDir::toNativeSeparators(source.log_file) + text(T::Colon) +
               source.reason;
    case Preview_Activity::Listening:
        return text(T::Listening) + source.port_name + sentences;
    case Preview_Activity::Port_Unopened:
        return text(T::Port_Unopened) + port_failed;
    case Preview_Activity::Port_Stopped:
        return text(T::Port_Stopped) + port_failed;
    case Preview_Activity::Port_Closed:
        return text(T::Port_Closed) + source.port_name + sentences;
    }
    return {};
}

} // namespace ui
