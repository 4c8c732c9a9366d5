#pragma once

#include "core/common/FileBytes.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cfg::ethercat {

// What the configuration keeps of the ESI file written last, in a small file of its own folder, so
// that the image sent to the device can be compared with what the master imported.
struct ESI_Record {
    std::string written_at;     // Utc_Time_Text
    std::filesystem::path file; // where the ESI file went
    std::string process_image;  // Process_Image_Digest of what it describes
};

inline constexpr std::string_view ESI_Record_File_Name = "ESI_Record.xml";

// The record as the bytes of its file.
std::string ESI_Record_Bytes(const ESI_Record& record);

// Replaces the record in the configuration folder; ConfigError when it cannot be written.
void Write_ESI_Record(const std::filesystem::path& Path_Project, const ESI_Record& record);

// The record, or nothing when no ESI file was ever written for the configuration. ConfigError
// when the record cannot be read, is not well-formed or lacks one of its values.
std::optional<ESI_Record> Read_ESI_Record(const std::filesystem::path& Path_Project);
// The same for the content of a record file held in memory.
ESI_Record Read_ESI_Record(const File_Bytes& file);

} // namespace cfg::ethercat
