#include "cli/ArrayFindings.h"

#include "core/common/PathText.h"
#include "core/lang/ListenerTexts.h"
#include "core/nmea/ArrayMarks.h"

namespace cfg::cli {

std::vector<std::string> array_findings(const std::filesystem::path& file,
                                        const std::vector<nmea::Array_Field>& fields,
                                        const Lang_Strings& texts) {
    std::vector<std::string> lines;
    for (const nmea::Array_Field& field : fields)
        if (nmea::Is_Marked(field))
            lines.push_back(utf8_path(file) + ": " + texts[listener_text::Row] + std::to_string(field.row) +
                            texts[listener_text::Label_Separator] + nmea::Field_Marks(field, texts));
    return lines;
}

} // namespace cfg::cli
