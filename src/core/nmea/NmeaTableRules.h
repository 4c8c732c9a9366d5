#pragma once

#include "core/exchange/TableExchange.h"

namespace cfg::nmea {

// What the listener screen and the legacy sentence screen let the user put into their tables.
Table_Rules Listener_Table_Rules();
Table_Rules Legacy_Table_Rules();

} // namespace cfg::nmea
