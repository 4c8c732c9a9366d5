#include "core/mqtt/TopicRowOperations.h"
#include "core/mqtt/TopicTables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace cfg::mqtt;

const cfg::ConfirmOverwrite never_asked = [] {
    ADD_FAILURE() << "the user was asked";
    return false;
};

// A publish row with a value in every stored column, the shown ones after the hidden ones included.
void fill_publish_row(cfg::Table& table, int row, const std::string& topic) {
    table.set_text(row, publish::Topic, topic);
    table.set_text(row, publish::Retained, "Y");
    table.set_text(row, publish::DataType, "Int");
    table.set_text(row, publish::IPAddress, "10.0.0.1");
    table.set_text(row, publish::Template, "$VALUE$");
    table.set_text(row, publish::OnTimer, "Y");
    table.set_text(row, publish::Time, "500");
    table.set_text(row, publish::Mnemonic, topic + " mnemonic");
}

TEST(TopicRows, CopyAndPasteTakeTheWholeRowWithTheColumnsAfterTheHiddenOnes) {
    cfg::Table table = make_topic_table(publish_columns());
    fill_publish_row(table, 1, "a");
    cfg::Row_Clipboard clipboard;
    clipboard.mask = {true};
    copy_topic_row(table, 1, clipboard);
    EXPECT_EQ(clipboard.texts.size(), static_cast<std::size_t>(publish::Column_Count - 1));
    EXPECT_TRUE(clipboard.mask.empty());

    EXPECT_EQ(paste_topic_row(table, 2, true, clipboard, never_asked), cfg::PasteResult::Pasted);
    for (int c = 1; c < publish::Column_Count; ++c)
        EXPECT_EQ(table.text(2, c), table.text(1, c)) << "column " << c;
    EXPECT_EQ(table.text(2, publish::Mnemonic), "a mnemonic");
    EXPECT_EQ(table.text(2, 0), "2");
}

TEST(TopicRows, PasteRefusesWithoutACopyOrWithAnotherTablesRow) {
    MqttTopicTables tables;
    fill_publish_row(tables.publish, 1, "a");
    cfg::Row_Clipboard clipboard;
    copy_topic_row(tables.publish, 1, clipboard);
    EXPECT_EQ(paste_topic_row(tables.publish, 2, false, clipboard, never_asked),
              cfg::PasteResult::NothingCopied);
    EXPECT_EQ(paste_topic_row(tables.subscribe, 1, true, clipboard, never_asked),
              cfg::PasteResult::ColumnMismatch);
    EXPECT_EQ(tables.publish.text(2, publish::Topic), "");
    EXPECT_EQ(tables.subscribe.text(1, subscribe::Topic), "");
}

TEST(TopicRows, OnlyARowWithATextOutsideItsCheckBoxesIsInUse) {
    struct Case {
        const char* name;
        int column;
        std::string text;
        bool in_use;
    };
    const Case cases[] = {
        {"check boxes only", publish::OnChange, "Y", false},
        {"blanks", publish::Mnemonic, " \t", false},
        {"a hidden text", publish::InputTemplate, "$X$", true},
        {"a mnemonic", publish::Mnemonic, "m", true},
    };
    for (const Case& c : cases) {
        cfg::Table table = make_topic_table(publish_columns());
        fill_publish_row(table, 1, "a");
        table.set_text(2, c.column, c.text);
        cfg::Row_Clipboard clipboard;
        copy_topic_row(table, 1, clipboard);
        int asked = 0;
        const auto answer_no = [&] { return ++asked, false; };
        const cfg::PasteResult expected = c.in_use ? cfg::PasteResult::Declined : cfg::PasteResult::Pasted;
        EXPECT_EQ(paste_topic_row(table, 2, true, clipboard, answer_no), expected) << c.name;
        EXPECT_EQ(asked, c.in_use ? 1 : 0) << c.name;
        EXPECT_EQ(table.text(2, publish::Topic), c.in_use ? "" : "a") << c.name;
    }
}

} // namespace
