#include "core/app/ConfigurationCheck.h"

#include "core/app/Application.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/VariableCheck.h"
#include "core/mqtt/MqttSetTopicFile.h"
#include "core/mqtt/TopicCheck.h"
#include "core/nmea/ListenerChecks.h"
#include "core/nmea/ListenerFile.h"
#include "core/params/ParGenChecks.h"
#include "core/params/ParGenFile.h"

namespace cfg {
namespace {

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

std::vector<Screen_Check> Check_Configuration(const Application& app) {
    std::vector<Screen_Check> checks;
    for (auto screen : {parameters_check, listener_check, ethercat_check, mqtt_check})
        checks.push_back(screen(app));
    return checks;
}

} // namespace cfg
