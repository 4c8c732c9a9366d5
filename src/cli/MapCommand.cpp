#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "core/nmea/ObjectsMap.h"

namespace cfg::cli {

// Unlike the save dialog, the target is used exactly as given and replaced without a question:
// a script names the file it wants.
int run_map(Context& context) {
    open_configuration(context.app, context.invocation.operands[0]);
    nmea::Export_Objects_Map(context.app.File_NMEA_0183_Set_Access, context.invocation.path_operand(1));
    return Exit_Done;
}

} // namespace cfg::cli
