#pragma once

#include <QString>
#include <QStringList>

namespace ui {

// Opens a web address with the desktop's default browser. Tests switch to recording instead.
void open_web_address(const QString& address);

void start_recording_web_addresses();
QStringList recorded_web_addresses();
void stop_recording_web_addresses();

} // namespace ui
