#pragma once

#include "core/lang/LangStrings.h"
#include "core/nmea/ListenerTable.h"
#include "core/nmea/RowError.h"

#include <optional>

namespace cfg::nmea {

// The checks run before the listener table is saved. Used, active rows are checked in order; the
// first failure is returned, nothing when every row passes. Rows are not compared with each other.
std::optional<Row_Error> Controllo_dati(const Listener_Table& table, const Lang_Strings& texts);

} // namespace cfg::nmea
