#include "core/app/ConfigurationTable.h"

#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/VariableCheck.h"
#include "core/ethercat/VariableTable.h"
#include "core/ethercat/VariableTableRules.h"
#include "core/mqtt/MqttSetTopicFile.h"
#include "core/mqtt/TopicCheck.h"
#include "core/mqtt/TopicTableRules.h"
#include "core/nmea/LegacyChecks.h"
#include "core/nmea/LegacyFile.h"
#include "core/nmea/ListenerChecks.h"
#include "core/nmea/ListenerFile.h"
#include "core/nmea/NmeaTableRules.h"

#include <memory>

namespace cfg {
namespace {

// The screen's own table classes around a grid, for their checks and saves.
template <typename Screen_Table> Screen_Table screen_table(const Table& grid) {
    Screen_Table table;
    table.grid() = grid;
    return table;
}

int first_of(const std::vector<int>& rows) {
    return rows.empty() ? 0 : rows.front();
}

std::optional<std::string> message_of(const std::optional<nmea::Row_Error>& failure) {
    return failure ? std::optional(failure->message) : std::nullopt;
}

Opened_Table listener(const Application& app) {
    nmea::Listener_Table loaded;
    const std::filesystem::path file = app.File_NMEA_0183_Set_Access;
    const int left_out = nmea::Load_Listener_Table(loaded, file);
    return {file,
            loaded.grid(),
            left_out,
            nmea::Listener_Table_Rules(),
            [](const Table& grid, const Lang_Strings& texts) {
                return message_of(nmea::Controllo_dati(screen_table<nmea::Listener_Table>(grid), texts));
            },
            [](const Table& grid) {
                return first_of(nmea::Rows_Save_Would_Drop(screen_table<nmea::Listener_Table>(grid)));
            },
            [file](const Table& grid) {
                nmea::Save_Listener_Table(screen_table<nmea::Listener_Table>(grid), file);
            }};
}

Opened_Table legacy_table(const Application& app) {
    using nmea::legacy::Legacy_Table;
    Legacy_Table loaded;
    const std::filesystem::path file = app.File_NMEA_0183_Set_Access;
    const int left_out = nmea::legacy::Load_Legacy_Table(loaded, file);
    return {file,
            loaded.grid(),
            left_out,
            nmea::Legacy_Table_Rules(),
            [](const Table& grid, const Lang_Strings& texts) {
                return message_of(nmea::legacy::Controllo_dati(screen_table<Legacy_Table>(grid), texts));
            },
            [](const Table& grid) {
                return first_of(nmea::legacy::Rows_Save_Would_Drop(screen_table<Legacy_Table>(grid)));
            },
            [file](const Table& grid) {
                nmea::legacy::Save_Legacy_Table(screen_table<Legacy_Table>(grid), file);
            }};
}

Opened_Table ethercat_table(const Application& app) {
    const std::filesystem::path file = app.File_EtherCAT_Slave;
    ethercat::EtherCAT_Tables loaded = ethercat::Load_EtherCAT_Slave(file);
    return {file,
            std::move(loaded.slave_to_master),
            loaded.rows_left_out,
            ethercat::Variable_Table_Rules(true),
            [](const Table& table, const Lang_Strings& texts) -> std::optional<std::string> {
                const ethercat::Variable_Check_Result check = ethercat::Controllo_dati(table, texts);
                return check.ok() ? std::nullopt : std::optional(check.message);
            },
            ethercat::first_row_save_would_drop,
            [file](const Table& table) { ethercat::Save_EtherCAT_Slave(table, file); }};
}

Opened_Table topics_table(const Application& app) {
    const std::filesystem::path file = app.File_MQTT_Set_Topic;
    // The check weighs the loaded Subscribe rows too, as the screen's does.
    auto loaded = std::make_shared<mqtt::MqttTopicTables>();
    const int left_out = mqtt::load_mqtt_set_topic(file, *loaded);
    return {file,
            loaded->publish,
            left_out,
            mqtt::Topic_Table_Rules(mqtt::TopicTable::Publish),
            [loaded](const Table& publish, const Lang_Strings& texts) -> std::optional<std::string> {
                mqtt::MqttTopicTables tables = *loaded;
                tables.publish = publish;
                const std::optional<mqtt::TopicCheckFailure> failure = mqtt::Controllo_dati(tables, texts);
                return failure ? std::optional(failure->message) : std::nullopt;
            },
            mqtt::first_topic_row_save_would_drop,
            [file](const Table& publish) { mqtt::save_mqtt_set_topic(file, publish); }};
}

} // namespace

std::optional<Configuration_Table> Configuration_Table_Named(std::string_view name) {
    if (name == "listener")
        return Configuration_Table::Listener;
    if (name == "ethercat")
        return Configuration_Table::EtherCAT;
    if (name == "topics")
        return Configuration_Table::Topics;
    if (name == "legacy")
        return Configuration_Table::Legacy;
    return std::nullopt;
}

Opened_Table Open_Configuration_Table(const Application& app, Configuration_Table which) {
    switch (which) {
    case Configuration_Table::Listener:
        return listener(app);
    case Configuration_Table::EtherCAT:
        return ethercat_table(app);
    case Configuration_Table::Topics:
        return topics_table(app);
    case Configuration_Table::Legacy:
        break;
    }
    return legacy_table(app);
}

} // namespace cfg
