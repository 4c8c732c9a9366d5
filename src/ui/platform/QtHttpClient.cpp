#include "ui/platform/QtHttpClient.h"

#include "ui/platform/HttpGet.h"

namespace ui {

std::optional<std::string> QtHttpClient::get(const std::string& host, const std::string& path_and_query) {
    const auto body =
        http_get(QString::fromStdString(host), 80, QByteArray::fromStdString(path_and_query), Time_Out_Ms);
    if (!body)
        return std::nullopt;
    return body->toStdString();
}

} // namespace ui
