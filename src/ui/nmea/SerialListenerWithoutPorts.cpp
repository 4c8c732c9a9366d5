// The listener of a build without Qt SerialPort (CONFIGURATOR_SERIAL_PORTS=OFF): no port is listed
// and none opens; recorded logs still play.
#include "ui/nmea/SerialListener.h"

namespace ui {

SerialListener::SerialListener(cfg::nmea::Log_Lines::Visit sink, QObject* parent)
    : QObject(parent), sink_(std::move(sink)) {}

bool SerialListener::can_open_ports() {
    return false;
}

QStringList SerialListener::port_names() {
    return {};
}

// The window asks can_open_ports() first and gives the reason itself.
bool SerialListener::open(const Serial_Settings&, QString&) {
    return false;
}

void SerialListener::close() {
    lines_ = {};
}

bool SerialListener::isOpen() const {
    return false;
}

} // namespace ui
