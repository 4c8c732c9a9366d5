#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/Json.h"
#include "cli/TextColumns.h"
#include "core/common/PathText.h"
#include "core/report/ConfigurationDiff.h"
#include "core/report/DiffText.h"

namespace cfg::cli {
namespace {

// A path is a folder of banks when it holds banks and no configuration files; everything else is a
// CONFIG as the other commands take it.
report::Compared_Folder compared(Application& app, const std::string& argument) {
    const std::filesystem::path path = path_from_utf8(argument);
    if (path.has_parent_path() && report::Is_Bank_Folder(path))
        return {std::filesystem::absolute(path).lexically_normal(), true};
    open_configuration(app, argument);
    return {app.Path_Project};
}

constexpr const char* Area_Keys[] = {
    "parameters",       "listener", "slave_to_master", "master_to_slave", "publish_topics",
    "subscribe_topics", "esi",      "bank1",           "bank2",           "bank3"};
constexpr const char* Change_Keys[] = {"added", "removed", "changed", "moved"};

std::string values_json(const std::vector<report::Value_Change>& values) {
    std::string list = "[";
    for (const report::Value_Change& value : values)
        list += (list.size() > 1 ? ", " : "") + json_line_object({{"key", json_string(value.key)},
                                                                  {"name", json_string(value.name)},
                                                                  {"old", json_string(value.old_value)},
                                                                  {"new", json_string(value.new_value)}});
    return list + "]";
}

std::string difference_json(const report::Difference& difference) {
    return json_line_object({{"area", json_string(Area_Keys[static_cast<int>(difference.area)])},
                             {"change", json_string(Change_Keys[static_cast<int>(difference.change)])},
                             {"row", difference.row > 0 ? std::to_string(difference.row) : "null"},
                             {"item", difference.row > 0 ? "null" : json_string(difference.item)},
                             {"values", values_json(difference.values)}});
}

void write_json(std::ostream& out, const report::Compared_Folder& a, const report::Compared_Folder& b,
                const std::vector<report::Difference>& differences) {
    Json_Document json(out);
    json.member("a", json_string(utf8_path(a.folder)));
    json.member("b", json_string(utf8_path(b.folder)));
    json.member("banks_only", json_bool(a.banks_only || b.banks_only));
    json.member("same", json_bool(differences.empty()));
    json.list("differences", differences, difference_json);
    json.end();
}

} // namespace

int run_diff(Context& context) {
    const report::Compared_Folder a = compared(context.app, context.invocation.operands[0]);
    const report::Compared_Folder b = compared(context.app, context.invocation.operands[1]);
    const Lang_Strings& texts = context.app.Lang_Strings;
    const std::vector<report::Difference> differences = report::Compare_Folders(a, b, texts);
    if (context.invocation.has("--json"))
        write_json(context.out, a, b, differences);
    else
        write_lines(context.out, report::Difference_Lines(differences, texts));
    return differences.empty() ? Exit_Done : Exit_Check_Failed;
}

} // namespace cfg::cli
