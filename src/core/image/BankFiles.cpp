#include "core/image/BankFiles.h"

#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/common/SafeFile.h"

#include <string>
#include <vector>

namespace cfg::image {
namespace {

std::string as_text(const Bank_Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

std::array<std::filesystem::path, 3> Bank_File_Paths(const std::filesystem::path& Path_Project) {
    const std::filesystem::path bin = Path_Project / "bin";
    return {bin / "bank1.bin", bin / "bank2.bin", bin / "bank3.bin"};
}

void Write_Bank_Files(const Bank_Images& banks, const std::filesystem::path& Path_Project) {
    const std::array<std::filesystem::path, 3> paths = Bank_File_Paths(Path_Project);
    const std::filesystem::path bin = paths[0].parent_path();
    std::error_code error;
    std::filesystem::create_directories(bin, error);
    if (error || !std::filesystem::is_directory(bin, error))
        throw ConfigError("Cannot create the folder \"" + utf8_path(bin) +
                          "\": " + (error ? error.message() : "a file of that name is in the way"));
    write_files_safely({{paths[0], as_text(banks.bank1)},
                        {paths[1], as_text(banks.bank2)},
                        {paths[2], as_text(banks.bank3)}});
}

} // namespace cfg::image
