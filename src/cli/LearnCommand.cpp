#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/ListenerHeader.h"
#include "cli/PreviewReport.h"
#include "cli/TextColumns.h"
#include "cli/UsageError.h"
#include "core/common/PathText.h"
#include "core/lang/CommonTexts.h"
#include "core/nmea/ListenerFile.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/preview/CaptureSurvey.h"
#include "core/preview/LearnPlan.h"

#include <algorithm>
#include <optional>
#include <set>

namespace cfg::cli {
namespace {

// The codes --sentences names, each one of the listener's list; every offered code without it.
std::set<std::string> chosen_codes(const Invocation& invocation) {
    const std::vector<std::string> offered = nmea::Offered_Sentence_Codes();
    const std::optional<std::string> list = invocation.value("--sentences");
    if (!list)
        return {offered.begin(), offered.end()};
    std::set<std::string> codes;
    for (std::size_t start = 0; start <= list->size();) {
        const std::size_t comma = std::min(list->find(',', start), list->size());
        const std::string code = list->substr(start, comma - start);
        if (std::find(offered.begin(), offered.end(), code) == offered.end())
            throw Usage_Error("--sentences: \"" + code + "\" is not a sentence of the listener's list");
        codes.insert(code);
        start = comma + 1;
    }
    return codes;
}

// The fields of the chosen sentences that held a value at least once.
std::vector<preview::Seen_Field> fields_to_learn(const preview::Capture_Survey& survey,
                                                 const std::set<std::string>& codes) {
    std::vector<preview::Seen_Field> fields;
    for (const preview::Seen_Field& field : preview::Fields_That_Held_Values(survey)) {
        const std::string code(nmea::NMEA_Sentences[static_cast<std::size_t>(field.Ind_Sent)].Name);
        if (codes.contains(code))
            fields.push_back(field);
    }
    return fields;
}

std::string sentences_line(const preview::Capture_Survey& survey) {
    const std::vector<preview::Seen_Sentence> sentences = survey.sentences();
    std::string line = "Sentences in the log:";
    for (const preview::Seen_Sentence& sentence : sentences)
        line += (line.back() == ':' ? " " : ", ") + sentence.code + " " + std::to_string(sentence.count) +
                (sentence.offered ? "" : " (not in the sentence list)");
    if (sentences.empty())
        line += " none";
    if (const std::size_t further = survey.sentences_not_kept(); further > 0)
        line += ". " + further_codes_line(further);
    return line;
}

std::vector<std::string> row_lines(const Lang_Strings& texts, const std::vector<preview::Learned_Row>& rows) {
    using C = nmea::Listener_Column;
    std::vector<std::vector<std::string>> lines = {
        {listener_header(texts, C::Number), listener_header(texts, C::Sentence),
         listener_header(texts, C::Index), listener_header(texts, C::DataField),
         listener_header(texts, C::Position), "Sample"}};
    for (const preview::Learned_Row& row : rows)
        lines.push_back({std::to_string(row.row),
                         std::string(nmea::NMEA_Sentences[static_cast<std::size_t>(row.Ind_Sent)].Name),
                         row.Index > 0 ? std::to_string(row.Index) : "",
                         nmea::Find_Field(row.Ind_Sent, row.field_index)->Field, std::to_string(row.Position),
                         row.sample});
    return aligned_columns(lines);
}

// Why the rows may not be saved, as the listener screen would refuse or ask.
std::vector<std::string> refusals(const Application& app, const preview::Learn_Plan& plan) {
    std::vector<std::string> reasons;
    const std::string file = utf8_path(app.File_NMEA_0183_Set_Access);
    if (plan.rows_left_out > 0)
        reasons.push_back(file + ": " + app.Lang_Strings[common_text::Rows_Left_Out_Notice] +
                          std::to_string(plan.rows_left_out));
    if (!plan.rows_save_would_drop.empty())
        reasons.push_back(file + ": rows after an empty Sentence would not be saved, the first of them row " +
                          std::to_string(plan.rows_save_would_drop.front()));
    if (!plan.fits)
        reasons.push_back("The listener table has room for " +
                          std::to_string(std::max(0, nmea::Listener_Row_Count - plan.rows.front().row + 1)) +
                          " more rows; the log gives " + std::to_string(plan.rows.size()) +
                          " (--sentences takes fewer)");
    else if (plan.check_failure)
        reasons.push_back(plan.check_failure->message);
    return reasons;
}

std::string added_line(const Application& app, const std::vector<preview::Learned_Row>& rows) {
    const std::string first = std::to_string(rows.front().row);
    const std::string span =
        rows.size() == 1 ? "Row " + first : "Rows " + first + " to " + std::to_string(rows.back().row);
    return span + " added to " + utf8_path(app.File_NMEA_0183_Set_Access);
}

} // namespace

// Lists the listener rows a capture gives: every field of the chosen sentences that held a value,
// after the table's last used row. --apply saves them as the listener screen's OK does, after the same
// checks; a refusal writes nothing.
int run_learn(Context& context) {
    const Invocation& invocation = context.invocation;
    const std::set<std::string> codes = chosen_codes(invocation);
    open_configuration(context.app, invocation.operands[0]);
    const Application& app = context.app;
    preview::Capture_Survey survey;
    nmea::Read_Nmea_Log_File(invocation.path_operand(1),
                             [&](const nmea::Received_Sentence& sentence) { survey.Feed(sentence); });
    const std::vector<preview::Seen_Field> fields = fields_to_learn(survey, codes);
    write_lines(context.out, {sentences_line(survey)});
    if (fields.empty()) {
        write_lines(context.out, {"The log holds no value for a field the listener table can take."});
        return Exit_Done;
    }
    // Held from the reading of the table to its saving, so that rows another run adds meanwhile stay.
    std::optional<Configuration_Lock> lock;
    if (invocation.has("--apply"))
        lock.emplace(lock_configuration(app, context.err));
    const preview::Learn_Plan plan =
        preview::Plan_Learned_Rows(app.File_NMEA_0183_Set_Access, fields, app.Lang_Strings);
    write_lines(context.out, row_lines(app.Lang_Strings, plan.rows));
    if (!plan.may_save()) {
        std::vector<std::string> reasons = refusals(app, plan);
        reasons.push_back(invocation.has("--apply") ? "Nothing was written."
                                                    : "--apply would write nothing.");
        write_lines(context.err, reasons);
        return Exit_Check_Failed;
    }
    if (invocation.has("--apply")) {
        nmea::Save_Listener_Table(plan.table, app.File_NMEA_0183_Set_Access);
        write_lines(context.out, {added_line(app, plan.rows)});
    }
    return Exit_Done;
}

} // namespace cfg::cli
