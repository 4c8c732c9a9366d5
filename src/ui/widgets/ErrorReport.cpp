#include "ui/widgets/ErrorReport.h"

#include "ui/widgets/MessageService.h"

#include <exception>

namespace ui {

bool run_reported(QWidget* parent, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        MessageService::error(parent, QString::fromStdString(error.what()));
        return false;
    }
}

} // namespace ui
