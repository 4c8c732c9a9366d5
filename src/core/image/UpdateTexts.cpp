#include "core/image/UpdateTexts.h"

#include "core/common/PathText.h"
#include "core/lang/TextFill.h"

namespace cfg::image {
namespace {

constexpr int Device_Not_Found_Text = 836;
constexpr int Check_Address_Text = 837;
constexpr int File_Missing_Text = 838;
constexpr int Testing_Text = 839;
constexpr int Testing_With_Ping_Text = 840;
constexpr int Updater_Running_Text = 841;
constexpr int Seconds_Text = 842;
constexpr int Updated_Text = 843;
constexpr int Updater_Busy_Text = 844;
constexpr int Icmp_Not_Permitted_Text = 845;
constexpr int Updater_Missing_Text = 846;
constexpr int Updater_Not_Started_Text = 847;
constexpr int Updater_Failed_Text = 848;
constexpr int Updater_Crashed_Text = 849;
constexpr int Updater_Still_Running_Text = 850;
constexpr int Check_Running_Text = 853;
constexpr int Checked_Text = 854;
constexpr int Check_Faults_Text = 855;
constexpr int Stand_In_As_Updater_Text = 856;
constexpr int Check_Program_Missing_Text = 857;
constexpr int Updater_Needs_Wine_Text = 858;
constexpr int Check_Not_Started_Text = 859;
constexpr int Check_Failed_Text = 860;
constexpr int Check_Crashed_Text = 861;
constexpr int Check_Still_Running_Text = 862;

// The texts of the outcomes that differ when the check program ran in the updater's place.
struct Run_Texts {
    int missing;
    int not_started;
    int failed;
    int crashed;
    int still_running;
};
constexpr Run_Texts Updater_Texts{Updater_Missing_Text, Updater_Not_Started_Text, Updater_Failed_Text,
                                  Updater_Crashed_Text, Updater_Still_Running_Text};
constexpr Run_Texts Check_Texts{Check_Program_Missing_Text, Check_Not_Started_Text, Check_Failed_Text,
                                Check_Crashed_Text, Check_Still_Running_Text};

std::string seconds(std::int64_t ms) {
    return std::to_string(ms / 1000);
}

} // namespace

std::string Progress_Status(const Lang_Strings& texts, const Update_Progress& progress) {
    switch (progress.phase) {
    case Update_Phase::Testing:
        return Fill_Text(texts[Testing_Text], {progress.address});
    case Update_Phase::Testing_With_Ping:
        return Fill_Text(texts[Testing_With_Ping_Text], {progress.address});
    case Update_Phase::Check_Running:
        return texts[Check_Running_Text];
    case Update_Phase::Updater_Running:
        break;
    }
    return texts[Updater_Running_Text];
}

std::string Progress_Seconds(const Lang_Strings& texts, const Update_Progress& progress) {
    return Fill_Text(texts[Seconds_Text], {seconds(progress.elapsed_ms), seconds(progress.bound_ms)});
}

std::string Update_Message(const Lang_Strings& texts, const Update_Result& result) {
    const std::string file = utf8_path(result.file);
    const Run_Texts& run = result.check_only ? Check_Texts : Updater_Texts;
    switch (result.outcome) {
    case Update_Outcome::Updated:
        return texts[Updated_Text];
    case Update_Outcome::Checked:
        return texts[Checked_Text];
    case Update_Outcome::Check_Faults:
        return Fill_Text(texts[Check_Faults_Text], {utf8_path(result.log)});
    case Update_Outcome::Stand_In_As_Updater:
        return Fill_Text(texts[Stand_In_As_Updater_Text], {file});
    case Update_Outcome::Updater_Needs_Wine:
        return Fill_Text(texts[Updater_Needs_Wine_Text], {file});
    case Update_Outcome::Updater_Busy:
        return texts[Updater_Busy_Text];
    case Update_Outcome::Address_Unusable:
        return texts[Check_Address_Text];
    case Update_Outcome::Files_Missing:
        return texts[File_Missing_Text] + file;
    case Update_Outcome::Device_Silent:
        return texts[Device_Not_Found_Text];
    case Update_Outcome::Icmp_Not_Permitted:
        return texts[Icmp_Not_Permitted_Text];
    case Update_Outcome::Given_Up:
        return {};
    case Update_Outcome::Updater_Missing:
        return Fill_Text(texts[run.missing], {file});
    case Update_Outcome::Updater_Not_Started:
        return Fill_Text(texts[run.not_started], {file});
    case Update_Outcome::Updater_Failed:
        return Fill_Text(texts[run.failed], {std::to_string(result.exit_code)});
    case Update_Outcome::Updater_Crashed:
        return texts[run.crashed];
    case Update_Outcome::Updater_Still_Running:
        return Fill_Text(texts[run.still_running], {seconds(result.waited_ms)});
    }
    return {};
}

} // namespace cfg::image
