#include "core/image/UpdateOutcome.h"

namespace cfg::image {

Update_Result Updater_Ended(const Program_Status& status) {
    if (status.state != Program_State::Exited)
        return {Update_Outcome::Updater_Crashed};
    if (status.exit_code != 0)
        return {Update_Outcome::Updater_Failed, Ping_None, status.exit_code};
    return {Update_Outcome::Updated};
}

} // namespace cfg::image
