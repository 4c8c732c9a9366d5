#include "cli/ArrayFindings.h"
#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/Json.h"
#include "cli/TextColumns.h"
#include "core/app/ConfigurationCheck.h"
#include "core/app/EsiStep.h"
#include "core/common/PathText.h"
#include "core/lang/CommonTexts.h"
#include "core/nmea/ArrayLayout.h"

namespace cfg::cli {
namespace {

void write_json(std::ostream& out, const Application& app, const std::vector<Screen_Check>& checks,
                const std::vector<std::string>& findings, const std::optional<std::string>& warning,
                bool passed) {
    Json_Document json(out);
    json.member("configuration", json_string(utf8_path(app.Path_Project)));
    json.member("passed", json_bool(passed));
    json.list("screens", checks, [](const Screen_Check& check) {
        return json_line_object({{"file", json_string(utf8_path(check.file))},
                                 {"rows_left_out", std::to_string(check.rows_left_out)},
                                 {"failure", json_string_or_null(check.failure)}});
    });
    json.list("array_findings", findings, json_string);
    json.member("esi_warning", json_string_or_null(warning));
    json.end();
}

} // namespace

int run_check(Context& context) {
    open_configuration(context.app, context.invocation.operands[0]);
    const Application& app = context.app;
    const std::vector<Screen_Check> checks = Check_Configuration(app);
    std::vector<std::string> lines;
    bool failed = false;
    for (const Screen_Check& check : checks) {
        // A warning only: the check passes or fails on the rows the screen shows.
        if (check.rows_left_out > 0)
            lines.push_back(utf8_path(check.file) + ": " +
                            app.Lang_Strings[common_text::Rows_Left_Out_Notice] +
                            std::to_string(check.rows_left_out));
        if (check.failure) {
            lines.push_back(*check.failure);
            failed = true;
        }
    }
    // Overlapping fields and fields leaving the array pass the listener's check; --strict refuses them.
    std::vector<std::string> findings;
    if (context.invocation.has("--strict"))
        findings =
            array_findings(app.File_NMEA_0183_Set_Access,
                           nmea::Array_Layout_Of_File(app.File_NMEA_0183_Set_Access), app.Lang_Strings);
    lines.insert(lines.end(), findings.begin(), findings.end());
    failed = failed || !findings.empty();
    // A warning as well: the master may hold a description written elsewhere.
    const std::optional<std::string> warning = ethercat::ESI_Step_Warning(app);
    if (warning)
        lines.push_back(*warning);
    write_lines(context.err, lines);
    if (context.invocation.has("--json"))
        write_json(context.out, app, checks, findings, warning, !failed);
    return failed ? Exit_Check_Failed : Exit_Done;
}

} // namespace cfg::cli
