#include "core/app/NameLabels.h"

namespace cfg {

Name_Labels Configuration_Name_Labels(const Application& app) {
    if (app.has_active_configuration())
        return {app.Lang_Strings[11], app.Name_Project};
    return {app.Lang_Strings[9], app.Lang_Strings[10]};
}

} // namespace cfg
