#include "core/report/BankFileInfo.h"

#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "core/common/ConfigError.h"
#include "core/common/FileBytes.h"
#include "core/common/PathText.h"
#include "core/common/UtcTime.h"
#include "core/image/BankFiles.h"
#include "core/image/ImageLayout.h"
#include "core/report/Sha256.h"

#include <algorithm>
#include <chrono>

namespace cfg::report {
namespace {

std::string modified_text(const std::filesystem::path& file) {
    const std::filesystem::file_time_type written = std::filesystem::last_write_time(file);
    return Utc_Time_Text(std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(written)));
}

std::optional<std::string> own_checksum(const image::Bank_Decoding& decoding) {
    const auto found =
        std::find_if(decoding.fields.begin(), decoding.fields.end(),
                     [](const image::Decoded_Field& field) { return field.name == "Checksum"; });
    return found == decoding.fields.end() ? std::nullopt : std::optional(found->value);
}

Bank_File_Info read_bank_file(const std::filesystem::path& path) {
    Bank_File_Info info;
    info.path = path;
    const std::optional<std::string> bytes = read_file_if_present(path, image::Bank3_Limit);
    if (!bytes)
        return info;
    info.present = true;
    info.size = bytes->size();
    info.modified = modified_text(path);
    info.sha256 = Sha256_Hex(*bytes);
    try {
        info.decoding = image::Decode_Bank_File(File_Bytes{utf8_path(path), *bytes});
        info.own_checksum = own_checksum(*info.decoding);
    } catch (const ConfigError& error) {
        info.decode_failure = error.what();
    }
    return info;
}

} // namespace

Bank_Files Read_Bank_Files(const std::filesystem::path& folder) {
    // The names a compile gives them, wherever the folder is.
    const std::array<std::filesystem::path, 3> compiled = image::Bank_File_Paths({});
    Bank_Files banks;
    for (std::size_t i = 0; i < banks.size(); ++i)
        banks[i] = read_bank_file(folder / compiled[i].filename());
    return banks;
}

bool Any_Bank_Present(const Bank_Files& banks) {
    return std::any_of(banks.begin(), banks.end(), [](const Bank_File_Info& bank) { return bank.present; });
}

bool Is_Bank_Folder(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return false;
    Application configuration;
    Open_Project_Folder(configuration, folder);
    for (const std::filesystem::path& file :
         {configuration.File_ParGen, configuration.File_NMEA_0183_Set_Access,
          configuration.File_EtherCAT_Slave, configuration.File_MQTT_Set_Topic})
        if (std::filesystem::exists(file, error))
            return false;
    const std::array<std::filesystem::path, 3> compiled = image::Bank_File_Paths({});
    return std::any_of(compiled.begin(), compiled.end(), [&](const std::filesystem::path& bank) {
        return std::filesystem::exists(folder / bank.filename(), error);
    });
}

} // namespace cfg::report
