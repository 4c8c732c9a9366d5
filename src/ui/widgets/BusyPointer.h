#pragma once

#include <QApplication>

namespace ui {

// While it lives, the pointer shows that the program is busy with what the user asked for.
class Busy_Pointer {
public:
    Busy_Pointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy_Pointer() { QApplication::restoreOverrideCursor(); }
    Busy_Pointer(const Busy_Pointer&) = delete;
    Busy_Pointer& operator=(const Busy_Pointer&) = delete;
};

} // namespace ui
