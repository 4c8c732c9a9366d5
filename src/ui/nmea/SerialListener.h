#pragma once

#include "core/nmea/NmeaSentence.h"

#include <QObject>
#include <QStringList>

class QSerialPort;

namespace ui {

// How the port is set: the indexes of the configuration's choices (Baud_Texts, Parity_Texts,
// StopBits_Texts); eight data bits, as NMEA 0183 sends.
struct Serial_Settings {
    QString port; // a name the system lists ("ttyUSB0") or the path of a device
    int baud = 0;
    int parity = 0;
    int stop_bits = 0;
};

// Listens on a serial port and hands on its lines to a sink as they come; the port's signals drive
// it, so the window never waits for data. A build without Qt SerialPort (SerialListenerWithoutPorts)
// lists no port and opens none.
class SerialListener : public QObject {
    Q_OBJECT
public:
    explicit SerialListener(cfg::nmea::Log_Lines::Visit sink, QObject* parent = nullptr);

    // False in a build without serial ports.
    static bool can_open_ports();
    // The names of the ports the system lists.
    static QStringList port_names();

    // False, with the system's reason, when the port cannot be opened or set.
    bool open(const Serial_Settings& settings, QString& reason);
    // A line cut off by closing is dropped.
    void close();
    bool isOpen() const;

signals:
    void advanced();                    // lines were handed on
    void failed(const QString& reason); // the port stopped working and is closed

private:
    void read();

    cfg::nmea::Log_Lines::Visit sink_;
    QSerialPort* port_ = nullptr; // a child of the listener
    cfg::nmea::Log_Lines lines_;
};

} // namespace ui
