#include "core/mqtt/TopicCheck.h"

#include "core/common/IpAddress.h"
#include "core/common/Text.h"
#include "core/common/TextToInt.h"
#include "core/lang/LangStrings.h"
#include "core/lang/TopicTexts.h"
#include "core/mqtt/TopicTemplate.h"

#include <string>

namespace cfg::mqtt {
namespace {

constexpr int No_Column = -1;

// The columns and texts of the rules both tables share.
struct SharedRules {
    int data_type;
    int dimension;
    int position;
    int ip_address;
    int port;
    int input_template;
    int template_text;
    int position_limit;

    int text_data_type;
    int text_dimension_int;
    int text_dimension_float;
    int text_dimension_other;
    int text_position;
    int text_ip_address;
    int text_port;
    int text_input_template;
    int text_template;
};

constexpr SharedRules publish_rules = {
    .data_type = publish::DataType,
    .dimension = publish::Dimension,
    .position = publish::Position,
    .ip_address = publish::IPAddress,
    .port = No_Column,
    .input_template = publish::InputTemplate,
    .template_text = publish::Template,
    .position_limit = Byte_IN,
    .text_data_type = 1352,
    .text_dimension_int = 1353,
    .text_dimension_float = 1354,
    .text_dimension_other = 1355,
    .text_position = 1356,
    .text_ip_address = 1374,
    .text_port = 0,
    .text_input_template = 1377,
    .text_template = 1378,
};

constexpr SharedRules subscribe_rules = {
    .data_type = subscribe::DataType,
    .dimension = subscribe::Dimension,
    .position = subscribe::Position,
    .ip_address = subscribe::IPAddress,
    .port = subscribe::Port,
    .input_template = subscribe::InputTemplate,
    .template_text = subscribe::Template,
    .position_limit = Byte_OUT,
    .text_data_type = 1357,
    .text_dimension_int = 1358,
    .text_dimension_float = 1359,
    .text_dimension_other = 1360,
    .text_position = 1361,
    .text_ip_address = 1375,
    .text_port = 1376,
    .text_input_template = 1379,
    .text_template = 1380,
};

constexpr int Time_Limit = 1000000000;

// The rule's text, and what follows it (the highest position, for the position rule).
struct RuleFailure {
    int text;
    std::string tail;
};

class RowRules {
public:
    RowRules(const Table& table, int row) : table_(table), row_(row) {}

    bool shown(int column) const { return column != No_Column && table_.is_column_visible(column); }
    std::string cell(int column) const { return trimmed(table_.text(row_, column)); }
    std::string upper_cell(int column) const { return upper_ascii(cell(column)); }
    // A cell that does not read as an integer counts as -1, which every range here refuses.
    int number(int column) const { return Text_To_Int(table_.text(row_, column), -1); }

private:
    const Table& table_;
    int row_;
};

// The text refusing the dimension for the data type, or nothing when the dimension fits it.
std::optional<int> dimension_failure(const std::string& data_type, int dimension, const SharedRules& rules) {
    if (data_type == "INT") {
        if (dimension == 1 || dimension == 2 || dimension == 4 || dimension == 8)
            return std::nullopt;
        return rules.text_dimension_int;
    }
    if (data_type == "FLOAT") {
        if (dimension == 4 || dimension == 8)
            return std::nullopt;
        return rules.text_dimension_float;
    }
    if (dimension >= 1)
        return std::nullopt;
    return rules.text_dimension_other;
}

std::optional<RuleFailure> check_shared_rules(const RowRules& row, const SharedRules& rules) {
    const std::string data_type = row.upper_cell(rules.data_type);
    if (row.shown(rules.data_type) && data_type.empty())
        return RuleFailure{rules.text_data_type, ""};
    if (row.shown(rules.dimension)) {
        if (const std::optional<int> text = dimension_failure(data_type, row.number(rules.dimension), rules))
            return RuleFailure{*text, ""};
    }
    if (row.shown(rules.position)) {
        const int position = row.number(rules.position);
        if (position < 0 || position >= rules.position_limit)
            return RuleFailure{rules.text_position, std::to_string(rules.position_limit - 1)};
    }
    if (row.shown(rules.ip_address) && !Check_IP_Address(row.cell(rules.ip_address)).valid)
        return RuleFailure{rules.text_ip_address, ""};
    if (row.shown(rules.port)) {
        const int port = row.number(rules.port);
        if (port < 0 || port > 65535)
            return RuleFailure{rules.text_port, ""};
    }
    if (row.shown(rules.input_template) && Error_In_Topic_Template(row.cell(rules.input_template)))
        return RuleFailure{rules.text_input_template, ""};
    if (row.shown(rules.template_text) && Error_In_Topic_Template(row.cell(rules.template_text)))
        return RuleFailure{rules.text_template, ""};
    return std::nullopt;
}

std::optional<RuleFailure> check_publish_row(const RowRules& row) {
    if (auto failure = check_shared_rules(row, publish_rules))
        return failure;
    // Runs whether or not OnTimer is shown: a timer without a period cannot be published.
    if (row.upper_cell(publish::OnTimer) == "Y") {
        const int time = row.number(publish::Time);
        if (time < 1 || time >= Time_Limit)
            return RuleFailure{topic_text::Time_Out_Of_Range, ""};
    }
    return std::nullopt;
}

std::optional<RuleFailure> check_subscribe_row(const RowRules& row) {
    return check_shared_rules(row, subscribe_rules);
}

template <typename CheckRow>
std::optional<TopicCheckFailure> check_table(const Table& table, TopicTable which, CheckRow check_row,
                                             const Lang_Strings& texts) {
    const int used = used_topic_rows(table);
    for (int r = 1; r <= used; ++r) {
        if (const std::optional<RuleFailure> failure = check_row(RowRules(table, r)))
            return TopicCheckFailure{which, r,
                                     texts[topic_text::Error_Row] + std::to_string(r) + texts[failure->text] +
                                         failure->tail};
    }
    return std::nullopt;
}

} // namespace

std::optional<TopicCheckFailure> Controllo_dati(const MqttTopicTables& tables, const Lang_Strings& texts) {
    if (auto failure = check_table(tables.publish, TopicTable::Publish, check_publish_row, texts))
        return failure;
    return check_table(tables.subscribe, TopicTable::Subscribe, check_subscribe_row, texts);
}

} // namespace cfg::mqtt
