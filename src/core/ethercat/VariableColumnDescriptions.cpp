#include "core/ethercat/VariableColumnDescriptions.h"

#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableColumns.h"

#include <array>
#include <vector>

namespace cfg::ethercat {
namespace {

constexpr std::array<int, SlaveToMaster::Count> Widths{40, 50, 120, 100, 280, 100, 100, 100, 100};

std::vector<std::string> type_items() {
    std::vector<std::string> items;
    for (std::string_view type : VarType)
        items.emplace_back(type);
    return items;
}

// Both orders share Number, Enable, Type, Length and Name; the rest are free texts, Position and
// Start Bit made read-only by the table's rules.
Cell_Editor editor_of(int column) {
    switch (column) {
    case VariableColumn::Number:
        return Cell_Editor::Fixed;
    case VariableColumn::Enable:
        return Cell_Editor::Check_Box;
    case VariableColumn::Type:
        return Cell_Editor::List;
    default:
        return Cell_Editor::Text;
    }
}

template <std::size_t Count>
std::vector<Column_Description> descriptions(const std::array<int, Count>& headers,
                                             const std::array<int, Count - 1>& hints) {
    std::vector<Column_Description> columns;
    for (std::size_t column = 0; column < Count; ++column) {
        const int index = static_cast<int>(column);
        columns.push_back({headers[column], Widths[column], editor_of(index),
                           column == 0 ? -1 : hints[column - 1], true,
                           index == VariableColumn::Type ? type_items() : std::vector<std::string>{}});
    }
    return columns;
}

} // namespace

std::span<const Column_Description> Variable_Column_Descriptions(bool SlaveMaster) {
    static const std::vector<Column_Description> slave_to_master =
        descriptions(Slave_To_Master_Headers, Hint_StM);
    static const std::vector<Column_Description> master_to_slave =
        descriptions(Master_To_Slave_Headers, Hint_MtS);
    return SlaveMaster ? slave_to_master : master_to_slave;
}

} // namespace cfg::ethercat
