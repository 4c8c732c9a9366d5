#include "ui/platform/WebAddress.h"

#include <QDesktopServices>
#include <QUrl>

#include <optional>

namespace ui {
namespace {

std::optional<QStringList>& recording() {
    static std::optional<QStringList> addresses;
    return addresses;
}

} // namespace

void open_web_address(const QString& address) {
    if (recording()) {
        recording()->append(address);
        return;
    }
    QDesktopServices::openUrl(QUrl(address));
}

void start_recording_web_addresses() {
    recording() = QStringList{};
}

QStringList recorded_web_addresses() {
    return recording().value_or(QStringList{});
}

void stop_recording_web_addresses() {
    recording().reset();
}

} // namespace ui
