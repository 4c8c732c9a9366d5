#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "core/image/BankFiles.h"
#include "core/image/ImageCompiler.h"

namespace cfg::cli {

// Step 6 without the update dialog: the three files compiled into the bin folder.
int run_compile(Context& context) {
    open_configuration(context.app, context.invocation.operands[0]);
    const Application& app = context.app;
    const image::Bank_Images banks =
        image::Compile_Image({app.File_ParGen, app.File_NMEA_0183_Set_Access, app.File_EtherCAT_Slave});
    image::Write_Bank_Files(banks, app.Path_Project);
    return Exit_Done;
}

} // namespace cfg::cli
