#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace ui {

// One plain HTTP/1.0 GET, the way the update server expects it: the Accept header of a browser,
// no cookies, no redirection followed. The body of a 2xx answer, or nothing on any failure
// (no connection, an error status, no complete answer within the time-out).
std::optional<QByteArray> http_get(const QString& host, quint16 port, const QByteArray& path_and_query,
                                   int timeout_ms);

} // namespace ui
