#pragma once

#include "core/lang/MakerSite.h"

#include <string>

namespace ui {

// The maker's hosts, replaceable when the program is built (CONFIGURATOR_UPDATE_HOST,
// CONFIGURATOR_WEB_HOST), so that a build for the field names the real servers.
inline std::string update_server_host() {
#ifdef CONFIGURATOR_UPDATE_HOST
    return CONFIGURATOR_UPDATE_HOST;
#else
    return std::string(cfg::Update_Server_Host);
#endif
}

inline std::string maker_web_host() {
#ifdef CONFIGURATOR_WEB_HOST
    return CONFIGURATOR_WEB_HOST;
#else
    return std::string(cfg::Maker_Web_Host);
#endif
}

} // namespace ui
