#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "core/ethercat/EsiFile.h"

namespace cfg::cli {

// The file is replaced without the overwrite question of step 5.
int run_esi(Context& context) {
    open_configuration(context.app, context.invocation.operands[0]);
    ethercat::Create_ESI_File(context.app.File_ParGen, context.app.File_EtherCAT_Slave,
                              context.invocation.operands[1]);
    return Exit_Done;
}

} // namespace cfg::cli
