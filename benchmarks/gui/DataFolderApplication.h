#pragma once

#include "core/app/Application.h"
#include "ui/platform/QtPath.h"

#include <QCoreApplication>

namespace bench {

// The application as the program starts it from this launcher's folder, with the data folder given.
inline cfg::Application application_with_data(const QString& folder) {
    return cfg::Start_Application(cfg::Program_Folders_With_Data(
        ui::std_path(QCoreApplication::applicationDirPath()), ui::std_path(folder)));
}

} // namespace bench
