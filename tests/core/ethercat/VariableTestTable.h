#pragma once

#include "core/common/Table.h"

#include <string>
#include <vector>

namespace cfg::test {

struct Variable_Row {
    std::string type;
    std::string length;
    bool enabled = true;
    std::string name = "";
    std::string init_value = ""; // Slave To Master only
};

// A variable table of the given column order holding these rows from row 1.
Table variable_table(bool SlaveMaster, const std::vector<Variable_Row>& rows);

// "position/bit" of rows 1 to count, as the table shows them.
std::vector<std::string> places(const Table& table, bool SlaveMaster, int count);

} // namespace cfg::test
