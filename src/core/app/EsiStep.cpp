#include "core/app/EsiStep.h"

#include "core/app/Application.h"
#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/common/UtcTime.h"
#include "core/ethercat/EsiFile.h"
#include "core/ethercat/EsiRecord.h"
#include "core/ethercat/ProcessImageDigest.h"
#include "core/lang/EtherCATTexts.h"
#include "core/lang/TextFill.h"

namespace cfg::ethercat {

std::size_t Write_Configuration_ESI(const Application& app, const std::filesystem::path& file,
                                    std::chrono::system_clock::time_point now) {
    const ESI_Sources sources = Create_ESI_File(app.File_ParGen, app.File_EtherCAT_Slave, file);
    Write_ESI_Record(app.Path_Project,
                     {Utc_Time_Text(now), std::filesystem::absolute(file), Process_Image_Digest(sources)});
    return sources.ESI_Inputs.size() + sources.ESI_Outputs.size();
}

std::optional<std::string> ESI_Step_Warning(const Application& app) {
    std::string now;
    std::optional<ESI_Record> record;
    try {
        now = Process_Image_Digest(Load_ESI_Sources(app.File_ParGen, app.File_EtherCAT_Slave));
        record = Read_ESI_Record(app.Path_Project);
    } catch (const ConfigError& error) {
        return Fill_Text(app.Lang_Strings[ethercat_text::ESI_Not_Comparable], {error.what()});
    }
    if (!record)
        return app.Lang_Strings[ethercat_text::ESI_Never_Written];
    if (record->process_image == now)
        return std::nullopt;
    return Fill_Text(app.Lang_Strings[ethercat_text::ESI_Other_Process_Image],
                     {record->written_at, utf8_path(record->file)});
}

} // namespace cfg::ethercat
