#include "core/mqtt/MqttSetTopicFile.h"

#include "core/common/PathText.h"
#include "core/common/SafeFile.h"
#include "core/common/Xml.h"

#include <pugixml.hpp>

#include <vector>

namespace cfg::mqtt {
namespace {

// The program version written in the comment after the root.
constexpr const char* File_Version = "1.000";
constexpr const char* Root_Name = "MQTT_Set_Topic";

// Fills the table from the element's rows; returns how many rows it leaves out.
int load_rows(const pugi::xml_node& rows, Table& table, std::span<const TopicColumn> columns) {
    // The stored columns' attributes, in column order, which is the order a saved row keeps.
    std::vector<const char*> names;
    for (int c = 1; c < table.column_count(); ++c)
        if (const char* attribute = columns[static_cast<std::size_t>(c)].attribute)
            names.push_back(attribute);
    std::vector<const char*> values(names.size());
    return xml::for_each_row(rows, "row", Topic_Rows, [&](int r, const pugi::xml_node& row) {
        xml::find_attributes(row, names, values);
        std::size_t stored = 0;
        for (int c = 1; c < table.column_count(); ++c) {
            const TopicColumn& column = columns[static_cast<std::size_t>(c)];
            table.set_text(r, c,
                           column.attribute ? xml::attribute_or(values[stored++], column.loaded_default)
                                            : std::string(column.loaded_default));
        }
    });
}

void append_rows(pugi::xml_node parent, const Table& table, std::span<const TopicColumn> columns) {
    const int used = used_topic_rows(table);
    for (int r = 1; r <= used; ++r) {
        pugi::xml_node row = parent.append_child("row");
        for (int c = 1; c < table.column_count(); ++c) {
            if (const char* attribute = columns[static_cast<std::size_t>(c)].attribute)
                row.append_attribute(attribute).set_value(table.text(r, c).c_str());
        }
    }
}

} // namespace

int load_mqtt_set_topic(const std::filesystem::path& file, MqttTopicTables& tables) {
    clear_topic_table(tables.publish);
    clear_topic_table(tables.subscribe);
    const std::optional<std::string> bytes = xml::read_file(file);
    return bytes ? load_mqtt_set_topic(File_Bytes{utf8_path(file), *bytes}, tables) : 0;
}

int load_mqtt_set_topic(const File_Bytes& file, MqttTopicTables& tables) {
    clear_topic_table(tables.publish);
    clear_topic_table(tables.subscribe);
    pugi::xml_document doc;
    xml::load(doc, file);
    const pugi::xml_node root = xml::required_root(doc, Root_Name, file.name);
    return load_rows(root.child("MQTT_Publish"), tables.publish, publish_columns()) +
           load_rows(root.child("MQTT_Subscribe"), tables.subscribe, subscribe_columns());
}

std::string mqtt_set_topic_bytes(const Table& publish) {
    pugi::xml_document doc;
    pugi::xml_node root = xml::start_document(doc, Root_Name, File_Version);
    append_rows(root.append_child("MQTT_Publish"), publish, publish_columns());
    root.append_child("MQTT_Subscribe");
    return xml::to_bytes(doc);
}

void save_mqtt_set_topic(const std::filesystem::path& file, const Table& publish) {
    write_file_safely(file, mqtt_set_topic_bytes(publish));
}

} // namespace cfg::mqtt
