#include "cli/Command.h"
#include "cli/ExitCode.h"
#include "cli/Json.h"
#include "cli/TextColumns.h"
#include "core/common/PathText.h"
#include "core/ethercat/EsiText.h"
#include "core/image/BankDecoder.h"

namespace cfg::cli {
namespace {

void write_text(std::ostream& out, const image::Bank_Decoding& decoding) {
    std::vector<std::vector<std::string>> rows = {{"Offset", "Field", "Value"}};
    for (const image::Decoded_Field& field : decoding.fields)
        rows.push_back({"0x" + ethercat::hex_upper(static_cast<std::uint32_t>(field.offset), 4), field.name,
                        field.value});
    write_lines(out, aligned_columns(rows));
}

void write_json(std::ostream& out, const std::filesystem::path& file, const image::Bank_Decoding& decoding) {
    Json_Document json(out);
    json.member("file", json_string(utf8_path(file)));
    json.list("fields", decoding.fields, [](const image::Decoded_Field& field) {
        return json_line_object({{"offset", std::to_string(field.offset)},
                                 {"name", json_string(field.name)},
                                 {"value", json_string(field.value)}});
    });
    json.list("faults", decoding.faults, [](const std::string& fault) { return json_string(fault); });
    json.end();
}

} // namespace

// The fields go to the output; what a device must not be given (a wrong checksum, a reserved byte
// that is set, ...) also goes to the messages and makes the exit status 1, so a script can refuse
// the file.
int run_inspect(Context& context) {
    const std::filesystem::path file = context.invocation.path_operand(0);
    const image::Bank_Decoding decoding = image::Decode_Bank_File(file);
    if (context.invocation.has("--json"))
        write_json(context.out, file, decoding);
    else
        write_text(context.out, decoding);
    write_lines(context.err, decoding.faults);
    return decoding.faults.empty() ? Exit_Done : Exit_Check_Failed;
}

} // namespace cfg::cli
