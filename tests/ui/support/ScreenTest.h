#pragma once

#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "support/TempDir.h"
#include "ui/widgets/FileDialogService.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"

#include <QComboBox>
#include <QDialog>
#include <QTest>

#include <functional>

namespace ui::test {

// A fresh program folder with the configuration "Ship" active, for a test of a configuration
// screen. While it lives, message boxes and file dialogs answer from the test's queues.
class ScreenTestProgram {
public:
    ScreenTestProgram() : app(cfg::Start_Application(dir.path())) {
        MessageService::startTestMode();
        FileDialogService::startTestMode();
        if (cfg::Create_New_Project(app, "Ship"))
            qFatal("the test configuration could not be created");
    }
    ~ScreenTestProgram() {
        MessageService::reset();
        FileDialogService::reset();
    }
    ScreenTestProgram(const ScreenTestProgram&) = delete;
    ScreenTestProgram& operator=(const ScreenTestProgram&) = delete;

    cfg::test::TempDir dir;
    cfg::Application app;
};

// How a test makes a screen of the given class.
template <typename Screen> std::function<QDialog*(cfg::Application&)> maker() {
    return [](cfg::Application& app) -> QDialog* { return new Screen(app, nullptr); };
}

// A control of a window by its name; the test stops when there is none.
template <typename T = QWidget> T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Picks an item of a list cell through its drop-down editor, as the user does.
inline void choose_list_item(GridView* view, const QModelIndex& cell, const QString& item) {
    view->setCurrentIndex(cell);
    view->edit(cell);
    auto* combo = view->findChild<QComboBox*>();
    QVERIFY(combo);
    const int at = combo->findText(item);
    QVERIFY2(at >= 0, qPrintable(item));
    combo->setCurrentIndex(at);
    emit combo->activated(at);
    QTRY_VERIFY(!view->findChild<QComboBox*>());
}

} // namespace ui::test
