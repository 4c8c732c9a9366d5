#include "cli/Command.h"
#include "cli/ExitCode.h"
#include "cli/Json.h"
#include "cli/TextColumns.h"
#include "core/app/ConfigurationFolders.h"
#include "core/common/HexDigits.h"
#include "core/common/PathText.h"
#include "core/common/Text.h"

#include <algorithm>

namespace cfg::cli {
namespace {

// A name as one line of the list: a control character, and a byte that is no UTF-8, shows as an
// escape (\n, \r, \t, \xHH), so a name stays one line and says what it holds. A listed name holds no
// backslash, so an escape reads as one.
std::string shown_name(std::string_view name) {
    std::string shown;
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t start = pos;
        const char32_t code = next_code_point(name, pos);
        const std::string_view bytes = name.substr(start, pos - start);
        const bool not_utf8 = code == 0xFFFD && bytes != "\xEF\xBF\xBD";
        if (!not_utf8 && code >= 0x20 && code != 0x7F) {
            shown += bytes;
            continue;
        }
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '\n' || c == '\r' || c == '\t')
                shown += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
            else
                shown += "\\x" + hex_text(byte, 2, Hex_Letters::Upper);
        }
    }
    return shown;
}

} // namespace

// The names in the order the open dialog lists them.
int run_list(Context& context) {
    const std::vector<std::string> names = Load_Existing_Configuration(context.app.Path_Projects);
    if (!context.invocation.has("--json")) {
        std::vector<std::string> shown(names.size());
        std::transform(names.begin(), names.end(), shown.begin(), shown_name);
        write_lines(context.out, shown);
        return Exit_Done;
    }
    Json_Document json(context.out);
    json.member("projects", json_string(utf8_path(context.app.Path_Projects)));
    json.list("configurations", names, json_string);
    json.end();
    return Exit_Done;
}

} // namespace cfg::cli
