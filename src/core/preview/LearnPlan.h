#pragma once

#include "core/lang/LangStrings.h"
#include "core/nmea/ListenerTable.h"
#include "core/nmea/RowError.h"
#include "core/preview/LearnedRows.h"

#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace cfg::preview {

// Learned rows on their way into NMEA_0183_Set_Access.xml, with everything the listener screen would
// weigh before saving them.
struct Learn_Plan {
    std::vector<Learned_Row> rows;
    nmea::Listener_Table table;            // as loaded, with the rows added when they fit
    int rows_left_out = 0;                 // rows of the file beyond the table, which a save would lose
    std::vector<int> rows_save_would_drop; // used rows below an unused one, which a save would lose
    bool fits = true;                      // every row lies within the table
    std::optional<nmea::Row_Error> check_failure; // the screen's check on the table with the rows

    // Something to add, and nothing of the file lost or refused by the check.
    bool may_save() const;
};

// Loads the listener file as the screen does, proposes a row for each field after its last used row
// and adds them, then runs the screen's check. A file that cannot be read raises ConfigError, so it is
// never written over.
Learn_Plan Plan_Learned_Rows(const std::filesystem::path& file, std::span<const Seen_Field> fields,
                             const Lang_Strings& texts);

} // namespace cfg::preview
