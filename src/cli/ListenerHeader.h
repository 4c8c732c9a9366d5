#pragma once

#include "core/lang/LangStrings.h"
#include "core/nmea/ListenerTable.h"

#include <string>

namespace cfg::cli {

// The header the listener screen shows over the column, in the catalogue's language.
std::string listener_header(const Lang_Strings& texts, nmea::Listener_Column column);

} // namespace cfg::cli
