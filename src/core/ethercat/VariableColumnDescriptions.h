#pragma once

#include "core/common/ColumnDescription.h"

#include <span>

namespace cfg::ethercat {

// Headers, widths, editors, hints and the Type list of the Slave To Master (SlaveMaster true) or
// Master To Slave columns, by column.
std::span<const Column_Description> Variable_Column_Descriptions(bool SlaveMaster);

} // namespace cfg::ethercat
