#include "cli/Command.h"
#include "cli/ExitCode.h"
#include "cli/Json.h"
#include "cli/TextColumns.h"
#include "core/app/ConfigurationFolders.h"
#include "core/common/PathText.h"

namespace cfg::cli {

// The names in the order the open dialog lists them.
int run_list(Context& context) {
    const std::vector<std::string> names = Load_Existing_Configuration(context.app.Path_Projects);
    if (!context.invocation.has("--json")) {
        write_lines(context.out, names);
        return Exit_Done;
    }
    Json_Document json(context.out);
    json.member("projects", json_string(utf8_path(context.app.Path_Projects)));
    json.list("configurations", names, json_string);
    json.end();
    return Exit_Done;
}

} // namespace cfg::cli
