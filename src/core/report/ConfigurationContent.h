#pragma once

#include "core/ethercat/EsiRecord.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/mqtt/TopicTables.h"
#include "core/nmea/ListenerTable.h"
#include "core/params/ParGenSet.h"
#include "core/report/BankFileInfo.h"

#include <filesystem>
#include <optional>

namespace cfg::report {

// Everything of one configuration folder that a report shows and a comparison compares, read as
// the screens read it.
struct Configuration_Content {
    ParGen_Set parameters;
    nmea::Listener_Table listeners;
    ethercat::EtherCAT_Tables variables;
    mqtt::MqttTopicTables topics;
    std::optional<ethercat::ESI_Record> esi_record; // nothing when no ESI file was ever written
    Bank_Files banks;                               // of its bin folder
};

// The listener rows a report shows and a comparison compares: up to the last row holding a sentence.
int Listener_Rows_Shown(const nmea::Listener_Table& table);

// ConfigError when one of its files cannot be read or is not well-formed.
Configuration_Content Read_Configuration_Content(const std::filesystem::path& Path_Project);

} // namespace cfg::report
