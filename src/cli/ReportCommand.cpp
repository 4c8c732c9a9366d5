#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "core/common/SafeFile.h"
#include "core/report/HtmlReport.h"

#include <chrono>

namespace cfg::cli {

// As the other exports, the target is replaced without a question: a script names the file it wants.
int run_report(Context& context) {
    open_configuration(context.app, context.invocation.operands[0]);
    write_file_safely(context.invocation.path_operand(1),
                      report::Configuration_Report_Html(context.app, std::chrono::system_clock::now()));
    return Exit_Done;
}

} // namespace cfg::cli
