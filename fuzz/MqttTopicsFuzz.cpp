// MQTT_Set_Topic.xml: a file is read or refused with ConfigError; the tables pass through the
// check, and a save read back keeps the used Publish rows (Subscribe is never saved).
#include "FuzzInput.h"
#include "TableRoundTrip.h"
#include "core/common/ConfigError.h"
#include "core/lang/LangStrings.h"
#include "core/mqtt/MqttSetTopicFile.h"
#include "core/mqtt/TopicCheck.h"

namespace {

// The tables are made once and reused: every load clears them first.
void load(std::string_view bytes, cfg::mqtt::MqttTopicTables& tables) {
    cfg::mqtt::load_mqtt_set_topic(cfg::File_Bytes{"MQTT_Set_Topic.xml", bytes}, tables);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const cfg::Lang_Strings texts = cfg::default_texts();
    static const cfg::mqtt::MqttTopicTables empty = [] {
        cfg::mqtt::MqttTopicTables tables;
        load("<MQTT_Set_Topic/>", tables);
        return tables;
    }();
    static cfg::mqtt::MqttTopicTables loaded;
    static cfg::mqtt::MqttTopicTables reloaded;
    try {
        load(cfg::fuzz::as_text(data, size), loaded);
    } catch (const cfg::ConfigError&) {
        return 0;
    }
    cfg::mqtt::Controllo_dati(loaded, texts);
    load(cfg::mqtt::mqtt_set_topic_bytes(loaded.publish), reloaded);
    cfg::fuzz::require(cfg::fuzz::round_trip_holds(loaded.publish, reloaded.publish, empty.publish,
                                                   cfg::mqtt::used_topic_rows(loaded.publish)),
                       "a saved Publish table reads back with the rows the save keeps");
    cfg::fuzz::require(reloaded.subscribe == empty.subscribe, "a saved file holds no Subscribe rows");
    return 0;
}
