#include "core/preview/LearnPlan.h"

#include "core/nmea/ListenerChecks.h"
#include "core/nmea/ListenerFile.h"

namespace cfg::preview {

bool Learn_Plan::may_save() const {
    return !rows.empty() && rows_left_out == 0 && rows_save_would_drop.empty() && fits && !check_failure;
}

Learn_Plan Plan_Learned_Rows(const std::filesystem::path& file, std::span<const Seen_Field> fields,
                             const Lang_Strings& texts) {
    Learn_Plan plan;
    plan.rows_left_out = nmea::Load_Listener_Table(plan.table, file);
    plan.rows_save_would_drop = nmea::Rows_Save_Would_Drop(plan.table);
    plan.rows = Propose_Learned_Rows(plan.table, fields);
    plan.fits = Add_Learned_Rows(plan.table, plan.rows);
    plan.check_failure = nmea::Controllo_dati(plan.table, texts);
    return plan;
}

} // namespace cfg::preview
