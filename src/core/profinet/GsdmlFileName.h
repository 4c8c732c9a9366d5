#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

// The name of the GSDML file offered by the PROFINET models: fixed part 1, the user's part and
// fixed part 2 (the date).
namespace cfg::profinet {

inline constexpr std::string_view Gsdml_Fixed_Part_1 = "GSDML-V2.25-Brimlow-";

// "-YYYYMMDD.xml" for the date.
std::string gsdml_fixed_part_2(std::chrono::year_month_day date);

// The local calendar date now; the dialog takes it once, when it is created.
std::chrono::year_month_day local_date_today();

// The name-building half of TFProfinetFileName. Fixed part 2 is fixed when the object is made, at
// start-up, so every opening during a run proposes the same date, also after midnight.
class GsdmlFileName {
public:
    explicit GsdmlFileName(std::chrono::year_month_day creation_date);

    const std::string& fixed_part_2() const { return fixed_part_2_; }

    // Name_File_XML for the user part as typed: a user part of blanks only is left out (two dashes
    // then meet), one beginning with "_" is used as it is, any other is joined with "_". The
    // user part is never trimmed when it is used.
    std::string compose(std::string_view user_part) const;

private:
    std::string fixed_part_2_;
};

// The file the action aims at: the folder of the file chosen in the save dialog, with the composed
// name; a different name typed in the dialog only selects the folder.
std::filesystem::path gsdml_target(const std::filesystem::path& chosen_file, std::string_view name);

} // namespace cfg::profinet
