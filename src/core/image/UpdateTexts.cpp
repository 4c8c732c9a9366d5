#include "core/image/UpdateTexts.h"

#include "core/common/PathText.h"
#include "core/lang/TextFill.h"
#include "core/lang/UpdateDialogTexts.h"

namespace cfg::image {
namespace {

// The texts of the outcomes that differ when the check program ran in the updater's place.
struct Run_Texts {
    int missing;
    int not_started;
    int failed;
    int crashed;
    int still_running;
};
constexpr Run_Texts Updater_Texts{update_text::Updater_Missing, update_text::Updater_Not_Started,
                                  update_text::Updater_Failed, update_text::Updater_Crashed,
                                  update_text::Updater_Still_Running};
constexpr Run_Texts Check_Texts{update_text::Check_Program_Missing, update_text::Check_Not_Started,
                                update_text::Check_Failed, update_text::Check_Crashed,
                                update_text::Check_Still_Running};

std::string seconds(std::int64_t ms) {
    return std::to_string(ms / 1000);
}

} // namespace

std::string Progress_Status(const Lang_Strings& texts, const Update_Progress& progress) {
    switch (progress.phase) {
    case Update_Phase::Testing:
        return Fill_Text(texts[update_text::Testing], {progress.address});
    case Update_Phase::Testing_With_Ping:
        return Fill_Text(texts[update_text::Testing_With_Ping], {progress.address});
    case Update_Phase::Check_Running:
        return texts[update_text::Check_Running];
    case Update_Phase::Updater_Running:
        break;
    }
    return texts[update_text::Updater_Running];
}

std::string Progress_Seconds(const Lang_Strings& texts, const Update_Progress& progress) {
    return Fill_Text(texts[update_text::Seconds], {seconds(progress.elapsed_ms), seconds(progress.bound_ms)});
}

std::string Update_Message(const Lang_Strings& texts, const Update_Result& result) {
    const std::string file = utf8_path(result.file);
    const Run_Texts& run = result.check_only ? Check_Texts : Updater_Texts;
    switch (result.outcome) {
    case Update_Outcome::Updated:
        return texts[update_text::Updated];
    case Update_Outcome::Checked:
        return texts[update_text::Checked];
    case Update_Outcome::Check_Faults:
        return Fill_Text(texts[update_text::Check_Faults], {utf8_path(result.log)});
    case Update_Outcome::Stand_In_As_Updater:
        return Fill_Text(texts[update_text::Stand_In_As_Updater], {file});
    case Update_Outcome::Updater_Needs_Wine:
        return Fill_Text(texts[update_text::Updater_Needs_Wine], {file});
    case Update_Outcome::Updater_Busy:
        return texts[update_text::Updater_Busy];
    case Update_Outcome::Address_Unusable:
        return texts[update_text::Check_Address];
    case Update_Outcome::Files_Missing:
        return texts[update_text::File_Missing] + file;
    case Update_Outcome::Device_Silent:
        return texts[update_text::Device_Not_Found];
    case Update_Outcome::Icmp_Not_Permitted:
        return texts[update_text::Icmp_Not_Permitted];
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
