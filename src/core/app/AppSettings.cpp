#include "core/app/AppSettings.h"

namespace cfg {

bool Timer_Update_Enabled(const App_Settings& settings) {
    return settings.enable_internet && settings.enable_update;
}

} // namespace cfg
