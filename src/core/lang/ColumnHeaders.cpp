#include "core/lang/ColumnHeaders.h"

#include "core/common/Table.h"
#include "core/lang/LangStrings.h"

namespace cfg {

void Set_Column_Headers(Table& table, std::span<const Column_Description> columns,
                        const Lang_Strings& texts) {
    for (std::size_t column = 0; column < columns.size(); ++column)
        table.set_text(0, static_cast<int>(column), texts[columns[column].header_text]);
}

} // namespace cfg
