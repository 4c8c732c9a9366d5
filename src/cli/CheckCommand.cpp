#include "cli/ArrayFindings.h"
#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/TextColumns.h"
#include "core/app/ConfigurationCheck.h"
#include "core/ethercat/EsiStep.h"
#include "core/nmea/ArrayLayout.h"

namespace cfg::cli {
namespace {

constexpr int Rows_Left_Out_Text = 907;

} // namespace

int run_check(Context& context) {
    open_configuration(context.app, context.invocation.operands[0]);
    std::vector<std::string> lines;
    bool failed = false;
    for (Screen_Check& check : Check_Configuration(context.app)) {
        // A warning only: the check passes or fails on the rows the screen shows.
        if (check.rows_left_out > 0)
            lines.push_back(check.file.string() + ": " + context.app.Lang_Strings[Rows_Left_Out_Text] +
                            std::to_string(check.rows_left_out));
        if (check.failure) {
            lines.push_back(std::move(*check.failure));
            failed = true;
        }
    }
    // Overlapping fields and fields leaving the array pass the listener's check; --strict refuses them.
    if (context.invocation.has("--strict")) {
        const Application& app = context.app;
        const std::vector<std::string> findings =
            array_findings(app.File_NMEA_0183_Set_Access,
                           nmea::Array_Layout_Of_File(app.File_NMEA_0183_Set_Access), app.Lang_Strings);
        lines.insert(lines.end(), findings.begin(), findings.end());
        failed = failed || !findings.empty();
    }
    write_lines(context.err, lines);
    // A warning as well: the master may hold a description written elsewhere.
    if (const std::optional<std::string> warning = ethercat::ESI_Step_Warning(context.app))
        context.err << *warning << '\n';
    return failed ? Exit_Check_Failed : Exit_Done;
}

} // namespace cfg::cli
