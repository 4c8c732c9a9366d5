#include "core/mqtt/MqttSetTopicFile.h"
#include "core/common/ConfigError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace cfg::mqtt;
using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;

using Row = std::vector<std::string>; // columns 1..

Row row_of(const cfg::Table& table, int row) {
    Row cells;
    for (int c = 1; c < table.column_count(); ++c)
        cells.push_back(table.text(row, c));
    return cells;
}

const Row empty_publish_row(publish::Column_Count - 1, "");
const Row empty_subscribe_row(subscribe::Column_Count - 1, "");

TEST(MqttSetTopicFile, LoadsRowsWithDefaultsAndResetsTheHiddenCells) {
    TempDir dir;
    const auto file = cfg::test::copy_fixture("mqtt/MQTT_Set_Topic.xml", dir);
    MqttTopicTables tables;
    load_mqtt_set_topic(file, tables);

    // Columns: Topic, Retained, QoS, DataType, Dimension, Position, IPAddress, InputTemplate, Template,
    // OnChange, OnCMD, OnTimer, Time, Channel, Swap, SwapWord, Mnemonic.
    EXPECT_EQ(row_of(tables.publish, 1), (Row{"plant/level", "Y", "1", "Int", "2", "10", "10.0.0.1", "$IN$",
                                              "$VALUE$", "Y", "", "Y", "500", "", "N", "N", "Level"}));
    EXPECT_EQ(row_of(tables.publish, 2),
              (Row{"plant/temp", "", "0", "", "", "", "", "", "", "N", "", "N", "", "", "N", "N", ""}));
    EXPECT_EQ(row_of(tables.publish, 3),
              (Row{"", "Y", "", "", "", "", "", "", "", "N", "", "N", "", "", "N", "N", ""}));
    // Rows below an empty Topic are loaded all the same; only checking and saving stop there.
    EXPECT_EQ(tables.publish.text(4, publish::Topic), "after the end");
    EXPECT_EQ(row_of(tables.publish, 5), empty_publish_row);
    EXPECT_EQ(tables.publish.text(5, 0), "5");

    // Columns: Topic, Retained, QoS, DataType, Dimension, Position, IPAddress, Port, EthType,
    // InputTemplate, Template, Swap, SwapWord, Mnemonic.
    EXPECT_EQ(row_of(tables.subscribe, 1), (Row{"plant/set", "N", "2", "Float", "4", "1999", "10.0.0.2",
                                                "502", "UDP", "", "$VALUE$", "N", "N", "Setpoint"}));
    EXPECT_EQ(row_of(tables.subscribe, 2), (Row{"", "", "", "", "", "", "", "", "", "", "", "N", "N", ""}));
    EXPECT_EQ(row_of(tables.subscribe, 3), empty_subscribe_row);
}

TEST(MqttSetTopicFile, LoadingClearsWhatTheTablesHeld) {
    struct Case {
        const char* name;
        const char* content; // nullptr: no file
    };
    const Case cases[] = {
        {"no file", nullptr},
        {"no topic elements", "<MQTT_Set_Topic/><!--SW_VERSION = 1.000-->"},
        {"empty topic elements", "<MQTT_Set_Topic><MQTT_Publish/><MQTT_Subscribe/></MQTT_Set_Topic>"},
        {"other elements only",
         "<MQTT_Set_Topic><MQTT_Publish><topic Topic=\"a\"/></MQTT_Publish></MQTT_Set_Topic>"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.content)
            write_bytes(dir / "MQTT_Set_Topic.xml", c.content);
        MqttTopicTables tables;
        tables.publish.set_text(1, publish::Topic, "old");
        tables.publish.set_text(7, publish::Swap, "Y");
        tables.subscribe.set_text(1024, subscribe::Mnemonic, "old");
        load_mqtt_set_topic(dir / "MQTT_Set_Topic.xml", tables);
        for (int r = 1; r <= Topic_Rows; ++r) {
            ASSERT_EQ(row_of(tables.publish, r), empty_publish_row) << c.name << ", row " << r;
            ASSERT_EQ(row_of(tables.subscribe, r), empty_subscribe_row) << c.name << ", row " << r;
        }
    }
}

TEST(MqttSetTopicFile, ReadsTheRootElementBehindADeclarationOrComment) {
    TempDir dir;
    write_bytes(dir / "MQTT_Set_Topic.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- edited -->\n"
                                            "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\"/></MQTT_Publish>"
                                            "</MQTT_Set_Topic>");
    MqttTopicTables tables;
    load_mqtt_set_topic(dir / "MQTT_Set_Topic.xml", tables);
    EXPECT_EQ(tables.publish.text(1, publish::Topic), "a");
}

// `count` rows with the topics t1, t2, ..., a comment after each, which takes no row.
std::string topic_rows(int count) {
    std::string rows;
    for (int k = 1; k <= count; ++k)
        rows += "<row Topic=\"t" + std::to_string(k) + "\"/><!-- edited -->";
    return rows;
}

TEST(MqttSetTopicFile, RowsBeyondTheTablesAreLeftOutAndCounted) {
    struct Case {
        int publish;
        int subscribe;
        int rows_left_out;
    };
    for (const Case& c : {Case{Topic_Rows, Topic_Rows, 0}, Case{Topic_Rows + 3, 0, 3},
                          Case{Topic_Rows + 3, Topic_Rows + 2, 5}}) {
        TempDir dir;
        write_bytes(dir / "MQTT_Set_Topic.xml", "<MQTT_Set_Topic><MQTT_Publish>" + topic_rows(c.publish) +
                                                    "</MQTT_Publish><MQTT_Subscribe>" +
                                                    topic_rows(c.subscribe) +
                                                    "</MQTT_Subscribe></MQTT_Set_Topic>");
        MqttTopicTables tables;
        EXPECT_EQ(load_mqtt_set_topic(dir / "MQTT_Set_Topic.xml", tables), c.rows_left_out)
            << c.publish << " and " << c.subscribe;
        EXPECT_EQ(tables.publish.text(Topic_Rows, publish::Topic), "t1024");
    }
}

TEST(MqttSetTopicFile, AMalformedFileRaisesNamingTheFile) {
    TempDir dir;
    write_bytes(dir / "MQTT_Set_Topic.xml", "<MQTT_Set_Topic><MQTT_Publish></MQTT_Set_Topic>");
    MqttTopicTables tables;
    try {
        load_mqtt_set_topic(dir / "MQTT_Set_Topic.xml", tables);
        FAIL() << "no error";
    } catch (const cfg::ConfigError& error) {
        EXPECT_NE(std::string(error.what()).find("MQTT_Set_Topic.xml"), std::string::npos) << error.what();
    }
}

TEST(MqttSetTopicFile, SavesTheUsedPublishRowsAndAnEmptySubscribe) {
    TempDir dir;
    MqttTopicTables tables;
    const Row first = {" a/b ", "Y", "1", "Int", "2", "10", "",  "",           "{\"v\":$VALUE$} & <x>",
                       "N",     "Y", "Y", "500", "7", "Y",  "Y", "caf\xC3\xA9"};
    for (int c = 1; c < publish::Column_Count; ++c)
        tables.publish.set_text(1, c, first[static_cast<std::size_t>(c - 1)]);
    tables.publish.set_text(2, publish::Topic, "c");
    tables.publish.set_text(3, publish::Topic, "  ");
    tables.publish.set_text(4, publish::Topic, "after the end");
    tables.subscribe.set_text(1, subscribe::Topic, "not kept");
    save_mqtt_set_topic(dir / "MQTT_Set_Topic.xml", tables.publish);

    EXPECT_EQ(
        read_bytes(dir / "MQTT_Set_Topic.xml"),
        "<MQTT_Set_Topic><MQTT_Publish>"
        "<row Topic=\" a/b \" Retained=\"Y\" QoS=\"1\" DataType=\"Int\" Dimension=\"2\" Position=\"10\" "
        "IPAddress=\"\" InputTemplate=\"\" Template=\"{&quot;v&quot;:$VALUE$} &amp; &lt;x>\" "
        "OnChange=\"N\" OnTimer=\"Y\" Time=\"500\" Mnemonic=\"caf\xC3\xA9\"/>"
        "<row Topic=\"c\" Retained=\"\" QoS=\"\" DataType=\"\" Dimension=\"\" Position=\"\" IPAddress=\"\" "
        "InputTemplate=\"\" Template=\"\" OnChange=\"\" OnTimer=\"\" Time=\"\" Mnemonic=\"\"/>"
        "</MQTT_Publish><MQTT_Subscribe/></MQTT_Set_Topic><!--SW_VERSION = 1.000-->");
}

TEST(MqttSetTopicFile, SavedRowsLoadBackAsTheyWere) {
    TempDir dir;
    MqttTopicTables tables;
    load_mqtt_set_topic(cfg::test::fixture("mqtt/MQTT_Set_Topic.xml"), tables);
    // The template editor puts line breaks into templates.
    tables.publish.set_text(2, publish::Template, "{\r\n\t\"v\": $VALUE$\n}");
    save_mqtt_set_topic(dir / "MQTT_Set_Topic.xml", tables.publish);

    MqttTopicTables back;
    load_mqtt_set_topic(dir / "MQTT_Set_Topic.xml", back);
    EXPECT_EQ(row_of(back.publish, 1), row_of(tables.publish, 1));
    EXPECT_EQ(row_of(back.publish, 2), row_of(tables.publish, 2));
    EXPECT_EQ(row_of(back.publish, 3), empty_publish_row);
    EXPECT_EQ(row_of(back.subscribe, 1), empty_subscribe_row);
}

} // namespace
