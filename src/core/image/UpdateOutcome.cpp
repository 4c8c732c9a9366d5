#include "core/image/UpdateOutcome.h"

#include "core/image/UpdaterProgram.h"

namespace cfg::image {
namespace {

Update_Outcome exit_outcome(int exit_code, bool check_only) {
    const bool checked = exit_code == Check_Passed_Exit_Code || exit_code == Check_Faults_Exit_Code;
    if (checked && !check_only)
        return Update_Outcome::Stand_In_As_Updater;
    if (checked)
        return exit_code == Check_Passed_Exit_Code ? Update_Outcome::Checked : Update_Outcome::Check_Faults;
    // The check program never ends with 0 after a check: a 0 of another program is no check.
    return exit_code == 0 && !check_only ? Update_Outcome::Updated : Update_Outcome::Updater_Failed;
}

} // namespace

Update_Result Updater_Ended(const Program_Status& status, const Update_Result& running) {
    Update_Result result = running;
    result.waited_ms = 0;
    result.exit_code = 0;
    if (status.state != Program_State::Exited) {
        result.outcome = Update_Outcome::Updater_Crashed;
        return result;
    }
    result.outcome = exit_outcome(status.exit_code, running.check_only);
    if (result.outcome == Update_Outcome::Updater_Failed)
        result.exit_code = status.exit_code;
    return result;
}

} // namespace cfg::image
