#pragma once

#include "core/app/Application.h"

#include <string>

namespace cfg {

// The two labels of the main window that name the active configuration, or say that none is active.
struct Name_Labels {
    std::string L_Name_Conf;
    std::string L_Name_Conf_L2;
};

Name_Labels Configuration_Name_Labels(const Application& app);

} // namespace cfg
