#include "core/mqtt/TopicCheck.h"
#include "core/lang/LangStrings.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace cfg::mqtt;

using Cells = std::vector<std::pair<int, std::string>>;

// A Publish row that passes every rule.
const Cells valid_publish = {{publish::Topic, "plant/level"},
                             {publish::DataType, "Int"},
                             {publish::Dimension, "2"},
                             {publish::Position, "0"},
                             {publish::Template, "$VALUE$"}};
const Cells valid_subscribe = {{subscribe::Topic, "plant/set"},
                               {subscribe::DataType, "Int"},
                               {subscribe::Dimension, "2"},
                               {subscribe::Position, "0"},
                               {subscribe::Template, "$VALUE$"}};

void fill(cfg::Table& table, int row, const Cells& cells) {
    for (const auto& [column, text] : cells)
        table.set_text(row, column, text);
}

struct CheckCase {
    const char* name;
    TopicTable table; // row 1 of this table holds the valid row changed by `cells`
    Cells cells;
    std::vector<int> also_shown; // columns this variant hides, shown as a sibling model would
    std::vector<int> hidden;
    std::string message; // empty when the row passes

    friend std::ostream& operator<<(std::ostream& out, const CheckCase& c) { return out << c.name; }
};

class TopicCheckRules : public testing::TestWithParam<CheckCase> {};

TEST_P(TopicCheckRules, GiveTheFirstFailingRuleOfTheRow) {
    const CheckCase& c = GetParam();
    MqttTopicTables tables;
    cfg::Table& table = c.table == TopicTable::Publish ? tables.publish : tables.subscribe;
    fill(table, 1, c.table == TopicTable::Publish ? valid_publish : valid_subscribe);
    fill(table, 1, c.cells);
    for (int column : c.also_shown)
        table.set_column_visible(column, true);
    for (int column : c.hidden)
        table.set_column_visible(column, false);

    const auto failure = Controllo_dati(tables, cfg::default_texts());
    if (c.message.empty()) {
        EXPECT_FALSE(failure) << failure->message;
    } else {
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->message, c.message);
        EXPECT_EQ(failure->table, c.table);
        EXPECT_EQ(failure->row, 1);
    }
}

const std::string pub = "Error row 1!! [MQTT Publish] ";
const std::string sub = "Error row 1!! [MQTT Subscribe] ";
constexpr TopicTable P = TopicTable::Publish;
constexpr TopicTable S = TopicTable::Subscribe;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Publish, TopicCheckRules, testing::Values(
    CheckCase{"Valid", P, {}, {}, {}, ""},
    CheckCase{"NoDataType", P, {{publish::DataType, ""}}, {}, {}, pub + "Data Type must be selected"},
    CheckCase{"BlankDataType", P, {{publish::DataType, "  "}}, {}, {}, pub + "Data Type must be selected"},
    CheckCase{"Int3", P, {{publish::Dimension, "3"}}, {}, {}, pub + "Dimension must be equal to 1 or 2 or 4 or 8"},
    CheckCase{"IntLowerCaseWithBlanks3", P, {{publish::DataType, " int "}, {publish::Dimension, "3"}}, {}, {},
              pub + "Dimension must be equal to 1 or 2 or 4 or 8"},
    CheckCase{"Int8", P, {{publish::Dimension, "8"}}, {}, {}, ""},
    CheckCase{"IntEmptyDimension", P, {{publish::Dimension, ""}}, {}, {},
              pub + "Dimension must be equal to 1 or 2 or 4 or 8"},
    CheckCase{"Float2", P, {{publish::DataType, "Float"}, {publish::Dimension, "2"}}, {}, {},
              pub + "Dimension must be equal to 4 or 8"},
    CheckCase{"Float8", P, {{publish::DataType, "Float"}, {publish::Dimension, "8"}}, {}, {}, ""},
    CheckCase{"String0", P, {{publish::DataType, "String"}, {publish::Dimension, "0"}}, {}, {},
              pub + "Dimension must be major of 0"},
    CheckCase{"String1", P, {{publish::DataType, "String"}, {publish::Dimension, "1"}}, {}, {}, ""},
    CheckCase{"Base64_0", P, {{publish::DataType, "Base64"}, {publish::Dimension, "0"}}, {}, {},
              pub + "Dimension must be major of 0"},
    CheckCase{"Base64_1", P, {{publish::DataType, "Base64"}, {publish::Dimension, "1"}}, {}, {}, ""},
    CheckCase{"Base64NotANumber", P, {{publish::DataType, "Base64"}, {publish::Dimension, "1 "}}, {}, {},
              pub + "Dimension must be major of 0"},
    CheckCase{"Position2000", P, {{publish::Position, "2000"}}, {}, {},
              pub + "Position must be beetween 0 and 1999"},
    CheckCase{"Position1999", P, {{publish::Position, "1999"}}, {}, {}, ""},
    CheckCase{"PositionNegative", P, {{publish::Position, "-1"}}, {}, {}, pub + "Position must be beetween 0 and 1999"},
    CheckCase{"PositionNotANumber", P, {{publish::Position, "x"}}, {}, {}, pub + "Position must be beetween 0 and 1999"},
    CheckCase{"PositionHexadecimal", P, {{publish::Position, "$7CF"}}, {}, {}, ""},
    CheckCase{"HiddenIpAddressIsNotChecked", P, {{publish::IPAddress, "x"}}, {}, {}, ""},
    CheckCase{"ShownIpAddress", P, {{publish::IPAddress, "192.168.2.256"}}, {publish::IPAddress}, {},
              pub + "IP Address must be a Valid IP Address (Ex. 192.168.2.167)"},
    CheckCase{"ShownIpAddressWithBlanks", P, {{publish::IPAddress, " 10.0.0.1 "}}, {publish::IPAddress}, {}, ""},
    CheckCase{"HiddenInputTemplateIsNotChecked", P, {{publish::InputTemplate, "$"}}, {}, {}, ""},
    CheckCase{"ShownInputTemplate", P, {{publish::InputTemplate, "$"}}, {publish::InputTemplate}, {},
              pub + "Input Template not Correct, Check the Keywords"},
    CheckCase{"TemplateOneDollar", P, {{publish::Template, "$VALUE"}}, {}, {},
              pub + "Template not Correct, Check the Keywords"},
    CheckCase{"TemplateTwoDollars", P, {{publish::Template, " {\"v\":$VALUE$} "}}, {}, {}, ""},
    CheckCase{"HiddenTemplateIsNotChecked", P, {{publish::Template, "$"}}, {}, {publish::Template}, ""},
    CheckCase{"OnTimerWithoutTime", P, {{publish::OnTimer, "Y"}, {publish::Time, ""}}, {}, {},
              pub + "Time(ms) must be between 1 and 1000000000"},
    CheckCase{"OnTimerLowerCaseWithBlanks", P, {{publish::OnTimer, " y "}, {publish::Time, "0"}}, {}, {},
              pub + "Time(ms) must be between 1 and 1000000000"},
    CheckCase{"NoOnTimerWithoutTime", P, {{publish::OnTimer, "N"}, {publish::Time, ""}}, {}, {}, ""},
    CheckCase{"OnTimerTime1", P, {{publish::OnTimer, "Y"}, {publish::Time, "1"}}, {}, {}, ""},
    CheckCase{"OnTimerTime999999999", P, {{publish::OnTimer, "Y"}, {publish::Time, "999999999"}}, {}, {}, ""},
    CheckCase{"OnTimerTime1000000000", P, {{publish::OnTimer, "Y"}, {publish::Time, "1000000000"}}, {}, {},
              pub + "Time(ms) must be between 1 and 1000000000"},
    CheckCase{"HiddenOnTimerIsStillChecked", P, {{publish::OnTimer, "Y"}}, {}, {publish::OnTimer, publish::Time},
              pub + "Time(ms) must be between 1 and 1000000000"},
    CheckCase{"DataTypeBeforePosition", P, {{publish::DataType, ""}, {publish::Position, "2000"}}, {}, {},
              pub + "Data Type must be selected"},
    CheckCase{"TemplateBeforeTime", P, {{publish::Template, "$"}, {publish::OnTimer, "Y"}}, {}, {},
              pub + "Template not Correct, Check the Keywords"}),
    testing::PrintToStringParamName());

INSTANTIATE_TEST_SUITE_P(Subscribe, TopicCheckRules, testing::Values(
    CheckCase{"Valid", S, {}, {}, {}, ""},
    CheckCase{"NoDataType", S, {{subscribe::DataType, ""}}, {}, {}, sub + "Data Type must be selected"},
    CheckCase{"Int3", S, {{subscribe::Dimension, "3"}}, {}, {}, sub + "Dimension must be equal to 1 or 2 or 4 or 8"},
    CheckCase{"Float2", S, {{subscribe::DataType, "Float"}, {subscribe::Dimension, "2"}}, {}, {},
              sub + "Dimension must be equal to 4 or 8"},
    CheckCase{"String0", S, {{subscribe::DataType, "String"}, {subscribe::Dimension, "0"}}, {}, {},
              sub + "Dimension must be major of 0"},
    CheckCase{"Position2000", S, {{subscribe::Position, "2000"}}, {}, {},
              sub + "Position must be beetween 0 and 1999"},
    CheckCase{"Position1999", S, {{subscribe::Position, "1999"}}, {}, {}, ""},
    CheckCase{"ShownIpAddress", S, {{subscribe::IPAddress, "1.2.3"}}, {subscribe::IPAddress}, {},
              sub + "IP Address must be a Valid IP Address (Ex. 192.168.2.167)"},
    CheckCase{"HiddenPortIsNotChecked", S, {{subscribe::Port, "x"}}, {}, {}, ""},
    CheckCase{"ShownPort65536", S, {{subscribe::IPAddress, "10.0.0.1"}, {subscribe::Port, "65536"}},
              {subscribe::IPAddress, subscribe::Port}, {}, sub + "Port must be between 0 and 65535"},
    CheckCase{"ShownPortEmpty", S, {{subscribe::Port, ""}}, {subscribe::Port}, {},
              sub + "Port must be between 0 and 65535"},
    CheckCase{"ShownPort65535", S, {{subscribe::Port, "65535"}}, {subscribe::Port}, {}, ""},
    CheckCase{"PortBeforeInputTemplate", S, {{subscribe::Port, "-1"}, {subscribe::InputTemplate, "$"}},
              {subscribe::Port, subscribe::InputTemplate}, {}, sub + "Port must be between 0 and 65535"},
    CheckCase{"ShownInputTemplate", S, {{subscribe::InputTemplate, "$$$"}}, {subscribe::InputTemplate}, {},
              sub + "Input Template not Correct, Check the Keywords"},
    CheckCase{"TemplateOneDollar", S, {{subscribe::Template, "$"}}, {}, {},
              sub + "Template not Correct, Check the Keywords"}),
    testing::PrintToStringParamName());
// clang-format on

TEST(TopicCheck, ReportsTheFirstFailingRowWithItsNumber) {
    MqttTopicTables tables;
    for (int row = 1; row <= 4; ++row)
        fill(tables.publish, row, valid_publish);
    tables.publish.set_text(3, publish::Position, "2000");
    tables.publish.set_text(4, publish::DataType, "");
    const auto failure = Controllo_dati(tables, cfg::default_texts());
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->row, 3);
    EXPECT_EQ(failure->message, "Error row 3!! [MQTT Publish] Position must be beetween 0 and 1999");
}

TEST(TopicCheck, RowsAfterAnEmptyTopicAreNotChecked) {
    MqttTopicTables tables;
    fill(tables.publish, 1, valid_publish);
    tables.publish.set_text(2, publish::Topic, " \t");
    tables.publish.set_text(3, publish::Topic, "below the end");
    fill(tables.subscribe, 2, valid_subscribe);
    tables.subscribe.set_text(2, subscribe::Dimension, "3");
    EXPECT_FALSE(Controllo_dati(tables, cfg::default_texts()));
}

TEST(TopicCheck, PublishRowsComeBeforeSubscribeRows) {
    MqttTopicTables tables;
    fill(tables.publish, 1, valid_publish);
    fill(tables.publish, 2, valid_publish);
    tables.publish.set_text(2, publish::Template, "$");
    fill(tables.subscribe, 1, valid_subscribe);
    tables.subscribe.set_text(1, subscribe::DataType, "");
    const auto failure = Controllo_dati(tables, cfg::default_texts());
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->table, TopicTable::Publish);
    EXPECT_EQ(failure->row, 2);

    tables.publish.set_text(2, publish::Template, "$VALUE$");
    const auto subscribe_failure = Controllo_dati(tables, cfg::default_texts());
    ASSERT_TRUE(subscribe_failure);
    EXPECT_EQ(subscribe_failure->table, TopicTable::Subscribe);
    EXPECT_EQ(subscribe_failure->message, "Error row 1!! [MQTT Subscribe] Data Type must be selected");
}

TEST(TopicCheck, MessagesComeFromTheCatalogue) {
    cfg::Lang_Strings texts = cfg::default_texts();
    texts.set(1351, "Fehler Zeile ");
    texts.set(1356, " Position 0 bis ");
    MqttTopicTables tables;
    fill(tables.publish, 1, valid_publish);
    tables.publish.set_text(1, publish::Position, "2000");
    const auto failure = Controllo_dati(tables, texts);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, "Fehler Zeile 1 Position 0 bis 1999");
}

} // namespace
