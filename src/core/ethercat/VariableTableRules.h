#pragma once

#include "core/exchange/TableExchange.h"

namespace cfg::ethercat {

// What the variable screen lets the user put into a table of the Slave To Master (SlaveMaster
// true) or Master To Slave order: Position and Start Bit follow from the rows, and so does the
// Length of a fixed-size type.
Table_Rules Variable_Table_Rules(bool SlaveMaster);

} // namespace cfg::ethercat
