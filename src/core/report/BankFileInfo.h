#pragma once

#include "core/image/BankDecoder.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace cfg::report {

// What a report says of one bank file and what a comparison compares of it.
struct Bank_File_Info {
    std::filesystem::path path;
    bool present = false;
    std::uintmax_t size = 0;
    std::string modified; // Utc_Time_Text of the last write
    std::string sha256;   // of the file's bytes
    // The checksum the bank carries, as the decoder reads it: bank1 has one, the others none.
    std::optional<std::string> own_checksum;
    // The fields, or why the bytes cannot be decoded (a size no bank has).
    std::optional<image::Bank_Decoding> decoding;
    std::string decode_failure;
};

using Bank_Files = std::array<Bank_File_Info, 3>;

// bank1.bin, bank2.bin and bank3.bin in the folder, each as far as it is there. ConfigError when a
// file is there but cannot be read.
Bank_Files Read_Bank_Files(const std::filesystem::path& folder);

// Whether any of the three is there.
bool Any_Bank_Present(const Bank_Files& banks);

// A folder of bank files alone, as read back from a device or kept from an earlier compile: it holds
// a bank file and none of a configuration's files.
bool Is_Bank_Folder(const std::filesystem::path& folder);

} // namespace cfg::report
