#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/TextColumns.h"
#include "cli/UsageError.h"
#include "core/app/ConfigurationTable.h"
#include "core/common/FileBytes.h"
#include "core/common/PathText.h"
#include "core/common/SafeFile.h"
#include "core/lang/CommonTexts.h"
#include "core/lang/LanguageTexts.h"

#include <optional>

namespace cfg::cli {
namespace {

Configuration_Table table_argument(const std::string& name) {
    if (const std::optional<Configuration_Table> table = Configuration_Table_Named(name))
        return *table;
    throw Usage_Error("TABLE must be listener, ethercat, topics or legacy, not \"" + name + "\"");
}

// Exactly one of --export and --import; --apply only with --import.
void check_options(const Invocation& invocation) {
    if (invocation.has("--export") == invocation.has("--import"))
        throw Usage_Error("table takes either --export FILE or --import FILE");
    if (invocation.has("--apply") && !invocation.has("--import"))
        throw Usage_Error("--apply goes with --import");
}

std::string rows_text(int rows) {
    return rows == 1 ? "1 row" : std::to_string(rows) + " rows";
}

int export_table(Context& context, const Opened_Table& opened, const std::filesystem::path& file) {
    write_file_safely(file, Export_Table_Csv(opened.table, opened.rules));
    write_lines(context.out, {"The " + context.invocation.operands[1] + " table of " +
                              utf8_path(opened.file) + " has been written to " + utf8_path(file)});
    return Exit_Done;
}

// Why the imported table may not be saved, as its screen would refuse or ask.
std::vector<std::string> refusals(const Application& app, const Opened_Table& opened, const Table& imported) {
    std::vector<std::string> reasons;
    const std::string file = utf8_path(opened.file);
    if (opened.rows_left_out > 0)
        reasons.push_back(file + ": " + app.Lang_Strings[common_text::Rows_Left_Out_Notice] +
                          std::to_string(opened.rows_left_out));
    if (const int dropped = opened.first_row_save_would_drop(imported); dropped > 0)
        reasons.push_back(file + ": rows after an empty row would not be saved, the first of them row " +
                          std::to_string(dropped));
    if (std::optional<std::string> failure = opened.check(imported, app.Lang_Strings))
        reasons.push_back(std::move(*failure));
    return reasons;
}

int import_table(Context& context, const Opened_Table& opened, const std::filesystem::path& file) {
    const Application& app = context.app;
    const bool apply = context.invocation.has("--apply");
    const Table_Import imported =
        Import_Table_Csv(opened.table, opened.rules, read_file_bytes(file, Text_File_Limit),
                         Every_Language_Texts(app.language_folders()), app.Lang_Strings);
    if (!imported.table) {
        write_lines(context.err, {utf8_path(file) + ": " + imported.refusal});
        return Exit_Check_Failed;
    }
    write_lines(context.out, {utf8_path(file) + " gives " + rows_text(imported.rows) + " for the " +
                              context.invocation.operands[1] + " table"});
    std::vector<std::string> reasons = refusals(app, opened, *imported.table);
    if (!reasons.empty()) {
        reasons.push_back(apply ? "Nothing was written." : "--apply would write nothing.");
        write_lines(context.err, reasons);
        return Exit_Check_Failed;
    }
    if (apply) {
        opened.save(*imported.table);
        write_lines(context.out, {"The table has been saved to " + utf8_path(opened.file)});
    } else {
        write_lines(context.out, {"The screen's checks pass; --apply saves it to " + utf8_path(opened.file)});
    }
    return Exit_Done;
}

} // namespace

// A table of a configuration to or from a spreadsheet file. An import replaces the table's rows
// and, with --apply, is saved only when the table's screen would save it.
int run_table(Context& context) {
    const Invocation& invocation = context.invocation;
    check_options(invocation);
    const Configuration_Table which = table_argument(invocation.operands[1]);
    open_configuration(context.app, invocation.operands[0]);
    // Held from the reading of the table to its saving, as every command that saves what it read.
    std::optional<Configuration_Lock> lock;
    if (invocation.has("--apply"))
        lock.emplace(lock_configuration(context.app, context.err));
    const Opened_Table opened = Open_Configuration_Table(context.app, which);
    if (const std::optional<std::filesystem::path> file = invocation.path_value("--export"))
        return export_table(context, opened, *file);
    return import_table(context, opened, *invocation.path_value("--import"));
}

} // namespace cfg::cli
