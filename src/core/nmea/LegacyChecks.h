#pragma once

#include "core/lang/LangStrings.h"
#include "core/nmea/LegacyTable.h"
#include "core/nmea/RowError.h"

#include <optional>

namespace cfg::nmea::legacy {

// The checks run before the legacy table is saved, in two passes over the enabled rows up to the
// first unused one: each row on its own (sentence, Index of XDR and $PJELA, serial port), then every
// pair of rows for the same sentence, Index and port. The first failure is returned.
std::optional<Row_Error> Controllo_dati(const Legacy_Table& table, const Lang_Strings& texts);

} // namespace cfg::nmea::legacy
