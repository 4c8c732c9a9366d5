#pragma once

#include "core/common/Table.h"

#include <cstdint>

namespace cfg::ethercat {

// Recomputes Position and Start Bit of every used row from row 1; SlaveMaster true selects the
// Slave To Master column order. A disabled row shows 0 / 0 and does not break a run of "Bool" rows.
// Returns the image size in bytes, an open "Bool" byte counted whole.
std::int64_t Calc_Position_Bit(Table& table, bool SlaveMaster);

} // namespace cfg::ethercat
