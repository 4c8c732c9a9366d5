#include "ui/platform/HttpGet.h"

#include "core/common/ModelIdentity.h"
#include "core/lang/VersionCheck.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

#include <string>

namespace ui {
namespace {

const QByteArray user_agent = "Configurator/" + QByteArray::fromStdString(std::string(cfg::Program_Version));

// The body of an answer whose status line reports success.
std::optional<QByteArray> body_of(const QByteArray& answer) {
    const qsizetype header_end = answer.indexOf("\r\n\r\n");
    if (header_end < 0)
        return std::nullopt;
    const QList<QByteArray> status = answer.left(answer.indexOf("\r\n")).split(' ');
    if (status.size() < 2 || !status[0].startsWith("HTTP/") || !status[1].startsWith('2'))
        return std::nullopt;
    return answer.mid(header_end + 4);
}

} // namespace

std::optional<QByteArray> http_get(const QString& host, quint16 port, const QByteArray& path_and_query,
                                   int timeout_ms) {
    QDeadlineTimer deadline(timeout_ms);
    QTcpSocket socket;
    socket.connectToHost(host, port);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
        return std::nullopt;

    QByteArray request = "GET " + path_and_query + " HTTP/1.0\r\n";
    request += "Host: " + host.toUtf8() + "\r\n";
    request += "Accept: " + QByteArray::fromStdString(std::string(cfg::Version_Request_Accept)) + "\r\n";
    request += "User-Agent: " + user_agent + "\r\n\r\n";
    socket.write(request);

    // An HTTP/1.0 server ends its answer by closing the connection.
    QByteArray answer;
    while (socket.state() == QAbstractSocket::ConnectedState) {
        if (deadline.hasExpired())
            return std::nullopt;
        if (socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            answer += socket.readAll();
        else if (socket.state() == QAbstractSocket::ConnectedState)
            return std::nullopt;
    }
    answer += socket.readAll();
    return body_of(answer);
}

} // namespace ui
