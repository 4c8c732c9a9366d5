#include "cli/Command.h"
#include "cli/ExitCode.h"
#include "cli/TextColumns.h"
#include "core/app/ConfigurationFolders.h"

namespace cfg::cli {

// The names in the order the open dialog lists them.
int run_list(Context& context) {
    write_lines(context.out, Load_Existing_Configuration(context.app.Path_Projects));
    return Exit_Done;
}

} // namespace cfg::cli
