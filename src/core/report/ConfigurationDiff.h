#pragma once

#include "core/lang/LangStrings.h"
#include "core/report/BankFileInfo.h"
#include "core/report/ConfigurationContent.h"
#include "core/report/Difference.h"

#include <filesystem>
#include <string>
#include <vector>

namespace cfg::report {

// What changes from a to b, area by area in the order of the steps: each parameter; the listener
// rows; the variables of both directions with their offsets in the process image; the topics;
// whether the ESI files written last describe different process images; and, when both have
// compiled banks, the decoded fields of the banks. Names in the catalogue's language.
std::vector<Difference> Compare_Configurations(const Configuration_Content& a, const Configuration_Content& b,
                                               const Lang_Strings& texts);

// The banks field by field as the bank decoder reads them; a bank on one side only is added or
// removed whole, and one that cannot be decoded is compared by its bytes.
std::vector<Difference> Compare_Bank_Files(const Bank_Files& a, const Bank_Files& b,
                                           const Lang_Strings& texts);

// A configuration folder, or a folder of bank files alone (read back from a device or kept from an
// earlier compile).
struct Compared_Folder {
    std::filesystem::path folder;
    bool banks_only = false;

    // Where its banks are: the folder itself, or the configuration's bin folder.
    std::filesystem::path bank_folder() const;
};

// Two configurations as Compare_Configurations compares them; when either is a folder of banks
// alone, only the banks, of the other one's bin folder. ConfigError when a file cannot be read.
std::vector<Difference> Compare_Folders(const Compared_Folder& a, const Compared_Folder& b,
                                        const Lang_Strings& texts);

// The file name of the bank an area stands for ("bank2.bin"); empty for the other areas.
std::string Bank_File_Name(Diff_Area area);

} // namespace cfg::report
