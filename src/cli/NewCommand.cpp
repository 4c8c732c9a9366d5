#include "cli/Command.h"
#include "cli/ExitCode.h"
#include "core/app/ConfigurationFolders.h"

namespace cfg::cli {

// The new-configuration dialog's rules: the name is taken exactly as given, and a refusal shows the
// dialog's message. The settings file is left alone; the desktop program stays on its configuration.
int run_new(Context& context) {
    if (const std::optional<Name_Refusal> refused =
            Create_New_Project(context.app, context.invocation.operands[0])) {
        context.err << refused->message << '\n';
        return Exit_Check_Failed;
    }
    return Exit_Done;
}

} // namespace cfg::cli
