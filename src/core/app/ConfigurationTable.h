#pragma once

#include "core/app/Application.h"
#include "core/exchange/TableExchange.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace cfg {

// The tables of a configuration that a spreadsheet can carry, each the one its screen shows:
// the listener table, the EtherCAT Slave To Master table, the MQTT Publish table and the legacy
// sentence table.
enum class Configuration_Table { Listener, EtherCAT, Topics, Legacy };

// "listener", "ethercat", "topics" or "legacy"; nothing for any other name.
std::optional<Configuration_Table> Configuration_Table_Named(std::string_view name);

// A table as its screen opens it, with the screen's rules, check and save.
struct Opened_Table {
    std::filesystem::path file;
    Table table;
    int rows_left_out = 0; // rows of the file beyond the table, which a save would lose
    Table_Rules rules;
    // The message of the screen's first failing check on a table, nothing when every row passes.
    std::function<std::optional<std::string>(const Table&, const Lang_Strings&)> check;
    // The first filled row a save would leave out, 0 when none.
    std::function<int(const Table&)> first_row_save_would_drop;
    // The screen's save, through the safe writer.
    std::function<void(const Table&)> save;
};

// Loads the table from the active configuration's file as its screen does; a file that cannot be
// read raises ConfigError, so it is never written over.
Opened_Table Open_Configuration_Table(const Application& app, Configuration_Table which);

} // namespace cfg
