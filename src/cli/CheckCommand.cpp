#include "cli/ArrayFindings.h"
#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/TextColumns.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/VariableCheck.h"
#include "core/mqtt/MqttSetTopicFile.h"
#include "core/mqtt/TopicCheck.h"
#include "core/nmea/ArrayLayout.h"
#include "core/nmea/ListenerChecks.h"
#include "core/nmea/ListenerFile.h"
#include "core/params/ParGenChecks.h"
#include "core/params/ParGenFile.h"

namespace cfg::cli {
namespace {

constexpr int Rows_Left_Out_Text = 907;

// What one screen would show on opening and on OK: the rows of its file that its table leaves out,
// and the message of the error box its check would show.
struct Screen_Check {
    explicit Screen_Check(std::filesystem::path screen_file) : file(std::move(screen_file)) {}

    std::filesystem::path file;
    int rows_left_out = 0;
    std::optional<std::string> failure;
};

// Each screen loads its file as it does when it opens and runs the check of its OK button.

Screen_Check parameters_check(const Application& app) {
    Screen_Check check(app.File_ParGen);
    if (const std::optional<int> text = Controllo_Dati(Load_ParGen(app.File_ParGen)))
        check.failure = app.Lang_Strings[*text];
    return check;
}

Screen_Check listener_check(const Application& app) {
    Screen_Check check(app.File_NMEA_0183_Set_Access);
    nmea::Listener_Table table;
    check.rows_left_out = nmea::Load_Listener_Table(table, check.file);
    if (const std::optional<nmea::Row_Error> error = nmea::Controllo_dati(table, app.Lang_Strings))
        check.failure = error->message;
    return check;
}

Screen_Check ethercat_check(const Application& app) {
    Screen_Check check(app.File_EtherCAT_Slave);
    const ethercat::EtherCAT_Tables tables = ethercat::Load_EtherCAT_Slave(check.file);
    check.rows_left_out = tables.rows_left_out;
    const ethercat::Variable_Check_Result result =
        ethercat::Controllo_dati(tables.slave_to_master, app.Lang_Strings);
    if (!result.ok())
        check.failure = result.message;
    return check;
}

// The topics belong to sibling models; a configuration of this model has no such file.
Screen_Check mqtt_check(const Application& app) {
    Screen_Check check(app.File_MQTT_Set_Topic);
    std::error_code error;
    if (!std::filesystem::exists(check.file, error))
        return check;
    mqtt::MqttTopicTables tables;
    check.rows_left_out = mqtt::load_mqtt_set_topic(check.file, tables);
    if (const std::optional<mqtt::TopicCheckFailure> failure = mqtt::Controllo_dati(tables, app.Lang_Strings))
        check.failure = failure->message;
    return check;
}

} // namespace

int run_check(Context& context) {
    open_configuration(context.app, context.invocation.operands[0]);
    std::vector<std::string> lines;
    bool failed = false;
    for (auto screen : {parameters_check, listener_check, ethercat_check, mqtt_check}) {
        Screen_Check check = screen(context.app);
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
    return failed ? Exit_Check_Failed : Exit_Done;
}

} // namespace cfg::cli
