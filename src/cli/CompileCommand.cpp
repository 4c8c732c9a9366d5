#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "core/app/CompileConfiguration.h"

namespace cfg::cli {

// Step 6 without the update dialog: the three files compiled into the bin folder.
int run_compile(Context& context) {
    open_configuration(context.app, context.invocation.operands[0]);
    const Configuration_Lock lock = lock_configuration(context.app, context.err);
    image::Compile_Configuration(context.app);
    return Exit_Done;
}

} // namespace cfg::cli
