#include "ui/nmea/SerialListener.h"

#include "core/params/SerialChoices.h"

#include <QSerialPort>
#include <QSerialPortInfo>

#include <charconv>

namespace ui {
namespace {

qint32 baud_rate(int index) {
    const std::string_view text = cfg::Baud_Texts[static_cast<std::size_t>(index)];
    qint32 rate = 0;
    std::from_chars(text.data(), text.data() + text.size(), rate);
    return rate;
}

QSerialPort::Parity parity(int index) {
    constexpr QSerialPort::Parity parities[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                QSerialPort::EvenParity};
    return parities[index];
}

} // namespace

SerialListener::SerialListener(cfg::nmea::Log_Lines::Visit sink, QObject* parent)
    : QObject(parent), sink_(std::move(sink)), port_(new QSerialPort(this)) {
    connect(port_, &QSerialPort::readyRead, this, &SerialListener::read);
    connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::NoError || !port_->isOpen())
            return;
        const QString reason = port_->errorString();
        close();
        emit failed(reason);
    });
}

bool SerialListener::can_open_ports() {
    return true;
}

QStringList SerialListener::port_names() {
    QStringList names;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        names.append(port.portName());
    return names;
}

bool SerialListener::open(const Serial_Settings& settings, QString& reason) {
    close();
    port_->setPortName(settings.port);
    port_->setBaudRate(baud_rate(settings.baud));
    port_->setParity(parity(settings.parity));
    port_->setStopBits(settings.stop_bits == 1 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_->setDataBits(QSerialPort::Data8);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadOnly)) {
        reason = port_->errorString();
        return false;
    }
    return true;
}

bool SerialListener::isOpen() const {
    return port_->isOpen();
}

void SerialListener::close() {
    if (port_->isOpen())
        port_->close();
    lines_ = {};
}

void SerialListener::read() {
    const QByteArray bytes = port_->readAll();
    lines_.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), sink_);
    if (!bytes.isEmpty())
        emit advanced();
}

} // namespace ui
