#include "core/nmea/NmeaTableRules.h"

#include "core/nmea/LegacyTable.h"
#include "core/nmea/ListenerTable.h"

namespace cfg::nmea {

Table_Rules Listener_Table_Rules() {
    return {Listener_Columns(), Reset_Listener_Row, Listener_Cell_Editable, Listener_Choices};
}

Table_Rules Legacy_Table_Rules() {
    return {legacy::Legacy_Columns(), legacy::Reset_Legacy_Row, legacy::Legacy_Cell_Editable,
            [](const Table&, int, int column) { return legacy::Legacy_Choices(column); }};
}

} // namespace cfg::nmea
