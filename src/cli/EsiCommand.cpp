#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "core/app/EsiStep.h"

namespace cfg::cli {

// The file is replaced without the overwrite question of step 5; the configuration records it as
// step 5 does.
int run_esi(Context& context) {
    open_configuration(context.app, context.invocation.operands[0]);
    const Configuration_Lock lock = lock_configuration(context.app, context.err);
    ethercat::Write_Configuration_ESI(context.app, context.invocation.path_operand(1),
                                      std::chrono::system_clock::now());
    return Exit_Done;
}

} // namespace cfg::cli
