#include "core/common/TextLinesFile.h"

#include "core/common/SafeFile.h"
#include "core/common/Windows1252.h"

namespace cfg {

void write_windows1252_lines(const std::filesystem::path& target, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += utf8_to_windows1252(line);
        bytes += "\r\n";
    }
    write_file_safely(target, bytes);
}

} // namespace cfg
