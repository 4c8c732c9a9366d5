// NMEA_0183_Set_Access.xml as the legacy sentence table reads it: a file is read or refused with
// ConfigError; the table passes through the checks, and a save read back keeps the rows up to the
// first unused one.
#include "FuzzInput.h"
#include "TableRoundTrip.h"
#include "core/common/ConfigError.h"
#include "core/lang/LangStrings.h"
#include "core/nmea/LegacyChecks.h"
#include "core/nmea/LegacyFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const cfg::Lang_Strings texts = cfg::default_texts();
    static const cfg::nmea::legacy::Legacy_Table empty = [] {
        cfg::nmea::legacy::Legacy_Table table;
        cfg::nmea::legacy::Load_Legacy_Table(
            table, cfg::File_Bytes{"empty", "<NMEA_0183><NMEA_Listener/></NMEA_0183>"});
        return table;
    }();
    const cfg::File_Bytes file{"NMEA_0183_Set_Access.xml", cfg::fuzz::as_text(data, size)};
    // Made once and reused: every load resets the table first.
    static cfg::nmea::legacy::Legacy_Table loaded;
    try {
        cfg::nmea::legacy::Load_Legacy_Table(loaded, file);
    } catch (const cfg::ConfigError&) {
        return 0;
    }
    cfg::nmea::legacy::Controllo_dati(loaded, texts);
    const std::string saved = cfg::nmea::legacy::Legacy_Table_Bytes(loaded);
    static cfg::nmea::legacy::Legacy_Table reloaded;
    cfg::nmea::legacy::Load_Legacy_Table(reloaded, cfg::File_Bytes{file.name, saved});
    cfg::fuzz::require(cfg::fuzz::round_trip_holds(
                           loaded.grid(), reloaded.grid(), empty.grid(),
                           cfg::fuzz::rows_before_first_unused(loaded, cfg::nmea::legacy::Legacy_Row_Count)),
                       "a saved legacy table reads back with the rows the save keeps");
    return 0;
}
