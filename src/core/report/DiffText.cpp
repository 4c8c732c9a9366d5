#include "core/report/DiffText.h"

#include "core/lang/EtherCATTexts.h"
#include "core/lang/ListenerTexts.h"
#include "core/lang/MainWindowTexts.h"
#include "core/lang/ParameterTexts.h"
#include "core/lang/TextFill.h"
#include "core/lang/TopicTexts.h"
#include "core/report/ConfigurationDiff.h"
#include "core/report/ReportTexts.h"

namespace cfg::report {
namespace {

int change_text(Diff_Change change) {
    switch (change) {
    case Diff_Change::Added:
        return text::Added;
    case Diff_Change::Removed:
        return text::Removed;
    case Diff_Change::Changed:
        return text::Changed;
    case Diff_Change::Moved:
        return text::Moved;
    }
    return text::Changed;
}

std::string value_text(const Value_Change& value, Diff_Change change, const Lang_Strings& texts) {
    if (change == Diff_Change::Added)
        return Fill_Text(texts[text::Value], {value.name, value.new_value});
    if (change == Diff_Change::Removed)
        return Fill_Text(texts[text::Value], {value.name, value.old_value});
    return Fill_Text(texts[text::Value_Changed], {value.name, value.old_value, value.new_value});
}

} // namespace

std::string Area_Title(Diff_Area area, const Lang_Strings& texts) {
    const auto ethercat = [&](int direction) {
        return texts[main_window_text::EtherCAT_Caption] + texts[listener_text::Label_Separator] +
               texts[direction];
    };
    switch (area) {
    case Diff_Area::Parameters:
        return texts[parameter_text::Title];
    case Diff_Area::Listener:
        return texts[main_window_text::Listener_Caption];
    case Diff_Area::Slave_To_Master:
        return ethercat(ethercat_text::Slave_To_Master);
    case Diff_Area::Master_To_Slave:
        return ethercat(ethercat_text::Master_To_Slave);
    case Diff_Area::Publish_Topics:
        return texts[topic_text::Publish_Tab];
    case Diff_Area::Subscribe_Topics:
        return texts[topic_text::Subscribe_Tab];
    case Diff_Area::ESI:
        return texts[main_window_text::ESI_Caption];
    case Diff_Area::Bank1:
    case Diff_Area::Bank2:
    case Diff_Area::Bank3:
        return Bank_File_Name(area);
    }
    return {};
}

std::string Difference_Line(const Difference& difference, const Lang_Strings& texts) {
    std::string values;
    for (const Value_Change& value : difference.values)
        values += (values.empty() ? "" : texts[listener_text::Mark_Separator]) +
                  value_text(value, difference.row > 0 ? difference.change : Diff_Change::Changed, texts);
    if (difference.row == 0)
        return values;
    return Fill_Text(texts[change_text(difference.change)],
                     {texts[listener_text::Row] + std::to_string(difference.row), values});
}

std::vector<std::string> Difference_Lines(const std::vector<Difference>& differences,
                                          const Lang_Strings& texts) {
    if (differences.empty())
        return {texts[text::Same]};
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < differences.size(); ++i) {
        if (i == 0 || differences[i].area != differences[i - 1].area)
            lines.push_back(Area_Title(differences[i].area, texts));
        lines.push_back("  " + Difference_Line(differences[i], texts));
    }
    return lines;
}

} // namespace cfg::report
