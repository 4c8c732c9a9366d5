#include "core/app/NameLabels.h"

#include "core/lang/MainWindowTexts.h"

namespace cfg {

Name_Labels Configuration_Name_Labels(const Application& app) {
    if (app.has_active_configuration())
        return {app.Lang_Strings[main_window_text::Configuration_Opened], app.Name_Project};
    return {app.Lang_Strings[main_window_text::No_Configuration],
            app.Lang_Strings[main_window_text::Open_Or_Create]};
}

} // namespace cfg
