#include "core/mqtt/TopicTables.h"
#include "core/common/RowOperations.h"
#include "core/lang/ColumnHeaders.h"
#include "core/lang/LangStrings.h"
#include "core/mqtt/TopicColumnDescriptions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using namespace cfg::mqtt;

std::set<int> columns_where(const cfg::Table& table, bool (cfg::Table::*property)(int) const) {
    std::set<int> columns;
    for (int c = 0; c < table.column_count(); ++c) {
        if ((table.*property)(c))
            columns.insert(c);
    }
    return columns;
}

TEST(TopicTables, ShowTheColumnsOfThisVariant) {
    const MqttTopicTables tables;
    EXPECT_EQ(tables.publish.column_count(), 18);
    EXPECT_EQ(columns_where(tables.publish, &cfg::Table::is_column_visible),
              (std::set<int>{publish::Number, publish::Topic, publish::Retained, publish::QoS,
                             publish::DataType, publish::Dimension, publish::Position, publish::Template,
                             publish::OnChange, publish::OnTimer, publish::Time, publish::Mnemonic}));
    EXPECT_EQ(tables.subscribe.column_count(), 15);
    EXPECT_EQ(
        columns_where(tables.subscribe, &cfg::Table::is_column_visible),
        (std::set<int>{subscribe::Number, subscribe::Topic, subscribe::QoS, subscribe::DataType,
                       subscribe::Dimension, subscribe::Position, subscribe::Template, subscribe::Mnemonic}));
}

TEST(TopicTables, MarkTheCheckBoxColumns) {
    const MqttTopicTables tables;
    EXPECT_EQ(columns_where(tables.publish, &cfg::Table::is_check_box_editor_column),
              (std::set<int>{publish::Retained, publish::OnChange, publish::OnCMD, publish::OnTimer,
                             publish::Swap, publish::SwapWord}));
    EXPECT_EQ(columns_where(tables.subscribe, &cfg::Table::is_check_box_editor_column),
              (std::set<int>{subscribe::Retained, subscribe::Swap, subscribe::SwapWord}));
}

TEST(TopicTables, Hold1024NumberedEmptyRows) {
    MqttTopicTables tables;
    for (cfg::Table* table : {&tables.publish, &tables.subscribe}) {
        EXPECT_EQ(table->row_count(), 1025);
        table->set_text(1024, 3, "x");
        clear_topic_table(*table);
        EXPECT_EQ(table->text(1, 0), "1");
        EXPECT_EQ(table->text(1024, 0), "1024");
        EXPECT_EQ(table->text(1024, 3), "");
    }
}

TEST(TopicTables, HeadersComeFromTheCatalogue) {
    MqttTopicTables tables;
    cfg::Set_Column_Headers(tables.publish, topic_column_descriptions(TopicTable::Publish),
                            cfg::default_texts());
    cfg::Set_Column_Headers(tables.subscribe, topic_column_descriptions(TopicTable::Subscribe),
                            cfg::default_texts());
    EXPECT_EQ(tables.publish.text(0, publish::Time), "Time(ms)");
    EXPECT_EQ(tables.publish.text(0, publish::Mnemonic), "Mnemonic");
    EXPECT_EQ(tables.subscribe.text(0, subscribe::EthType), "Type");
    EXPECT_EQ(tables.subscribe.text(0, subscribe::Template), "Template");
}

// The used rows end at the first empty Topic; the first topic below them is the first a save drops.
TEST(TopicTables, UsedRowsEndAtTheFirstEmptyTopic) {
    struct Case {
        std::vector<std::string> topics; // rows 1..
        int used;
        int dropped;
    };
    const Case cases[] = {
        {{}, 0, 0},        {{"a", "b", "c"}, 3, 0},         {{"a", " \t", "c"}, 1, 3},
        {{"", "b"}, 0, 2}, {{"a", "", "", "d", "e"}, 1, 4},
    };
    for (const Case& c : cases) {
        cfg::Table table = make_topic_table(publish_columns());
        for (std::size_t i = 0; i < c.topics.size(); ++i)
            table.set_text(static_cast<int>(i) + 1, publish::Topic, c.topics[i]);
        EXPECT_EQ(used_topic_rows(table), c.used) << testing::PrintToString(c.topics);
        EXPECT_EQ(first_topic_row_save_would_drop(table), c.dropped) << testing::PrintToString(c.topics);
    }

    cfg::Table full = make_topic_table(subscribe_columns());
    for (int r = 1; r <= Topic_Rows; ++r)
        full.set_text(r, subscribe::Topic, "t");
    EXPECT_EQ(used_topic_rows(full), Topic_Rows);
    EXPECT_EQ(first_topic_row_save_would_drop(full), 0);

    cfg::Table last = make_topic_table(publish_columns());
    last.set_text(Topic_Rows, publish::Topic, "t");
    EXPECT_EQ(first_topic_row_save_would_drop(last), Topic_Rows);
}

TEST(TopicTables, PasteOverwritesARowOfCheckBoxCellsWithoutAsking) {
    MqttTopicTables tables;
    tables.publish.set_text(1, publish::Topic, "a");
    tables.publish.set_text(2, publish::Retained, "Y");
    tables.publish.set_text(2, publish::OnChange, "N");
    cfg::Row_Clipboard clipboard;
    cfg::Copy_Row(tables.publish, 1, clipboard);
    const auto never_asked = [] {
        ADD_FAILURE() << "the user was asked";
        return false;
    };
    EXPECT_EQ(cfg::Paste_Row(tables.publish, 2, true, clipboard, never_asked), cfg::PasteResult::Pasted);
    EXPECT_EQ(tables.publish.text(2, publish::Topic), "a");
    // The two tables show different numbers of columns.
    EXPECT_EQ(cfg::Paste_Row(tables.subscribe, 1, true, clipboard, never_asked),
              cfg::PasteResult::ColumnMismatch);
}

} // namespace
