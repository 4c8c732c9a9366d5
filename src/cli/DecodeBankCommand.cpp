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
    const std::vector<image::Decoded_Field>& fields = decoding.fields;
    std::vector<std::string> offsets;
    offsets.reserve(fields.size());
    for (const image::Decoded_Field& field : fields)
        offsets.push_back("0x" + ethercat::hex_upper(static_cast<std::uint32_t>(field.offset), 4));
    // A bank3 has thousands of fields: the rows view the decoded texts instead of copying them.
    std::vector<std::string_view> cells = {"Offset", "Field", "Value"};
    cells.reserve(3 * (fields.size() + 1));
    for (std::size_t i = 0; i < fields.size(); ++i)
        cells.insert(cells.end(), {offsets[i], fields[i].name, fields[i].value});
    out << aligned_text(cells, 3);
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
