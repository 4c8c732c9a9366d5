#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/UpdateArguments.h"
#include "core/app/CompileConfiguration.h"
#include "core/image/UpdateJob.h"

namespace cfg::cli {

// Writes the job the update dialog would hand to the updater; the updater is not started and the
// device is not asked. The dialog writes the job only for a device that answered at the address, so
// an address no device could answer at is refused. The settings file keeps its last address.
int run_job(Context& context) {
    const int option = update_option(context.invocation);
    const std::string address = device_address(context, "--ip");
    open_configuration(context.app, context.invocation.operands[0]);
    image::Compile_XML_Parameter_New_Boot(image::Job_Folders(context.app), address, option,
                                          context.invocation.has("--read-back"));
    return Exit_Done;
}

} // namespace cfg::cli
