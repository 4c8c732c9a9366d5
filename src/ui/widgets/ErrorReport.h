#pragma once

#include <functional>

class QWidget;

namespace ui {

// The one general error report: runs a user action and shows any failure it raises in an error
// box. The program goes on in whatever state the action had reached. Returns false on a failure.
bool run_reported(QWidget* parent, const std::function<void()>& action);

} // namespace ui
