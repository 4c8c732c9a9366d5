#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/TextColumns.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/VariableCheck.h"
#include "core/mqtt/MqttSetTopicFile.h"
#include "core/mqtt/TopicCheck.h"
#include "core/nmea/ListenerChecks.h"
#include "core/nmea/ListenerFile.h"
#include "core/params/ParGenChecks.h"
#include "core/params/ParGenFile.h"

namespace cfg::cli {
namespace {

// Each screen loads its file as it does when it opens and runs the check of its OK button; the
// result is the message its error box would show.

std::optional<std::string> parameters_failure(const Application& app) {
    if (const std::optional<int> text = Controllo_Dati(Load_ParGen(app.File_ParGen)))
        return app.Lang_Strings[*text];
    return std::nullopt;
}

std::optional<std::string> listener_failure(const Application& app) {
    nmea::Listener_Table table;
    nmea::Load_Listener_Table(table, app.File_NMEA_0183_Set_Access);
    if (const std::optional<nmea::Row_Error> error = nmea::Controllo_dati(table, app.Lang_Strings))
        return error->message;
    return std::nullopt;
}

std::optional<std::string> ethercat_failure(const Application& app) {
    const ethercat::EtherCAT_Tables tables = ethercat::Load_EtherCAT_Slave(app.File_EtherCAT_Slave);
    const ethercat::Variable_Check_Result result =
        ethercat::Controllo_dati(tables.slave_to_master, app.Lang_Strings);
    if (!result.ok())
        return result.message;
    return std::nullopt;
}

// The topics belong to sibling models; a configuration of this model has no such file.
std::optional<std::string> mqtt_failure(const Application& app) {
    std::error_code error;
    if (!std::filesystem::exists(app.File_MQTT_Set_Topic, error))
        return std::nullopt;
    mqtt::MqttTopicTables tables;
    mqtt::load_mqtt_set_topic(app.File_MQTT_Set_Topic, tables);
    if (const std::optional<mqtt::TopicCheckFailure> failure = mqtt::Controllo_dati(tables, app.Lang_Strings))
        return failure->message;
    return std::nullopt;
}

} // namespace

int run_check(Context& context) {
    open_configuration(context.app, context.invocation.operands[0]);
    std::vector<std::string> failures;
    for (auto screen : {parameters_failure, listener_failure, ethercat_failure, mqtt_failure}) {
        if (std::optional<std::string> message = screen(context.app))
            failures.push_back(std::move(*message));
    }
    write_lines(context.err, failures);
    return failures.empty() ? Exit_Done : Exit_Check_Failed;
}

} // namespace cfg::cli
