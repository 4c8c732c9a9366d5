#include "core/mqtt/TopicColumnDescriptions.h"

#include "core/mqtt/TopicColumns.h"

#include <array>
#include <vector>

namespace cfg::mqtt {
namespace {

constexpr std::array<int, publish::Column_Count> Publish_Widths{35,  200, 60, 45, 75, 70, 60, 110, 150,
                                                                150, 70,  60, 65, 70, 60, 50, 75,  150};
constexpr std::array<int, subscribe::Column_Count> Subscribe_Widths{35, 250, 60,  45,  75, 70, 60, 110,
                                                                    60, 60,  150, 200, 50, 75, 250};

Cell_Editor cell_editor(TopicEditor editor) {
    switch (editor) {
    case TopicEditor::RowNumber:
        return Cell_Editor::Fixed;
    case TopicEditor::CheckBox:
        return Cell_Editor::Check_Box;
    case TopicEditor::List:
        return Cell_Editor::List;
    case TopicEditor::TextOrList:
        return Cell_Editor::Text_Or_List;
    case TopicEditor::Text:
        break;
    }
    return Cell_Editor::Text;
}

std::vector<Column_Description> descriptions(std::span<const TopicColumn> columns,
                                             std::span<const int> widths) {
    std::vector<Column_Description> described;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const TopicColumn& column = columns[c];
        // The row-number column has no hint.
        described.push_back({column.header_text, widths[c], cell_editor(column.editor),
                             column.hint_text > 0 ? column.hint_text : -1, column.shown, column.choices});
    }
    return described;
}

} // namespace

std::span<const Column_Description> topic_column_descriptions(TopicTable which) {
    static const std::vector<Column_Description> publish = descriptions(publish_columns(), Publish_Widths);
    static const std::vector<Column_Description> subscribe =
        descriptions(subscribe_columns(), Subscribe_Widths);
    return which == TopicTable::Subscribe ? subscribe : publish;
}

} // namespace cfg::mqtt
