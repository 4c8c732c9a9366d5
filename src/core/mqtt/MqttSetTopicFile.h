#pragma once

#include "core/common/FileBytes.h"
#include "core/common/Table.h"
#include "core/mqtt/TopicTables.h"

#include <filesystem>
#include <string>

// MQTT_Set_Topic.xml: the topic tables of a configuration.
namespace cfg::mqtt {

// Clears both tables and fills them from the file: the k-th `row` of MQTT_Publish and of
// MQTT_Subscribe fills row k + 1 of its table. A missing file, element or attribute leaves the
// cells empty ("N" for OnChange and OnTimer); Channel is emptied and Swap and Swap Word become "N"
// on every loaded row whatever the file holds. Rows beyond a table's Topic_Rows are left out; the
// result is how many, both tables together (0 normally). A file that cannot be read or is not
// well-formed raises ConfigError.
int load_mqtt_set_topic(const std::filesystem::path& file, MqttTopicTables& tables);
// The same for the content of the file held in memory.
int load_mqtt_set_topic(const File_Bytes& file, MqttTopicTables& tables);

// The used Publish rows with their stored attributes in column order, and an empty MQTT_Subscribe:
// this variant keeps no subscriptions.
std::string mqtt_set_topic_bytes(const Table& publish);

// Writes mqtt_set_topic_bytes through the safe writer.
void save_mqtt_set_topic(const std::filesystem::path& file, const Table& publish);

} // namespace cfg::mqtt
