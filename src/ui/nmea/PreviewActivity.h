#pragma once

#include <QString>

#include <cstddef>

namespace cfg {
class Lang_Strings;
}

namespace ui {

// What the preview's source is doing: a log played, paused, at its end, stopped or unread; a port
// listened to, unopened, stopped by a fault or closed.
enum class Preview_Activity {
    Idle,
    Playing,
    Paused,
    End_Of_Log,
    Stopped,
    Log_Unread,
    Listening,
    Port_Unopened,
    Port_Stopped,
    Port_Closed
};

// The source the activity is about.
struct Preview_Source {
    QString log_file; // the log's whole path
    QString port_name;
    QString reason;            // why the log or the port failed
    std::size_t sentences = 0; // received in this run
};

// The status line: the activity, the log's name or the port, then the sentences received, or,
// after a failure, the log's whole path or the port and the reason.
QString Activity_Text(const cfg::Lang_Strings& texts, Preview_Activity activity,
                      const Preview_Source& source);

} // namespace ui
