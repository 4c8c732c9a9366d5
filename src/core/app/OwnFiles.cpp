#include "core/app/OwnFiles.h"

#include "core/app/SettingsFile.h"
#include "core/ethercat/EsiRecord.h"
#include "core/image/BankFiles.h"
#include "core/image/UpdateJob.h"

namespace cfg {
namespace {

bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error))
        return true;
    // Neither need exist yet: compare the paths as the system would resolve them.
    const std::filesystem::path resolved_a = std::filesystem::weakly_canonical(a, error);
    if (error)
        return false;
    const std::filesystem::path resolved_b = std::filesystem::weakly_canonical(b, error);
    return !error && resolved_a == resolved_b;
}

} // namespace

std::vector<std::filesystem::path> Own_Files(const Application& app) {
    std::vector<std::filesystem::path> files = {app.Path_Data / Settings_File_Name,
                                                app.Path_Data / image::Update_Job_File_Name};
    if (!app.has_active_configuration())
        return files;
    files.insert(files.end(), {app.File_ParGen, app.File_NMEA_0183_Set_Access, app.File_MQTT_Set_Topic,
                               app.File_EtherCAT_Slave, app.Path_Project / ethercat::ESI_Record_File_Name});
    for (const std::filesystem::path& bank : image::Bank_File_Paths(app.Path_Project))
        files.push_back(bank);
    return files;
}

std::optional<std::filesystem::path> Own_File_At(const Application& app,
                                                 const std::filesystem::path& target) {
    for (const std::filesystem::path& file : Own_Files(app))
        if (same_file(file, target))
            return file;
    return std::nullopt;
}

} // namespace cfg
