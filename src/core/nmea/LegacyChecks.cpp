#include "core/nmea/LegacyChecks.h"

#include "core/common/Text.h"
#include "core/common/TextToInt.h"
#include "core/lang/LegacyListenerTexts.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/nmea/SerialChannels.h"

#include <vector>

namespace cfg::nmea::legacy {
namespace {

std::string key_text(const Legacy_Table& table, int row, Legacy_Column column) {
    return upper_ascii(trimmed(table.text(row, column)));
}

// The text index of the first rule the row breaks on its own, 0 when it passes.
int first_broken_rule(const Legacy_Table& table, int row) {
    const int n = Find_Sentence(key_text(table, row, Legacy_Column::Sentence));
    if (n == -1)
        return legacy_listener_text::Sentence_Invalid;
    if (n == Sentence_XDR || n == Sentence_PJELA) {
        const int index = Text_To_Int(table.text(row, Legacy_Column::Index), 0);
        if (index < 1 || index > 10)
            return legacy_listener_text::Index_Out_Of_Range;
    }
    if (!Check_Serial(key_text(table, row, Legacy_Column::Serial_Channel), Legacy_Enable_Serial))
        return legacy_listener_text::Serial_Channel_Invalid;
    return 0;
}

bool same_conversion(const Legacy_Table& table, int c, int d) {
    for (Legacy_Column column :
         {Legacy_Column::Sentence, Legacy_Column::Index, Legacy_Column::Serial_Channel}) {
        if (key_text(table, c, column) != key_text(table, d, column))
            return false;
    }
    return true;
}

} // namespace

std::optional<Row_Error> Controllo_dati(const Legacy_Table& table, const Lang_Strings& texts) {
    std::vector<int> enabled_rows;
    for (int row = 1; row <= Legacy_Row_Count && table.is_used(row); ++row) {
        if (trimmed(table.text(row, Legacy_Column::Enable)) != "Y")
            continue;
        if (const int rule = first_broken_rule(table, row))
            return Row_Error{row, rule,
                             texts[legacy_listener_text::Error_Row] + std::to_string(row) + texts[rule]};
        enabled_rows.push_back(row);
    }
    for (std::size_t i = 0; i < enabled_rows.size(); ++i) {
        for (std::size_t j = i + 1; j < enabled_rows.size(); ++j) {
            const int c = enabled_rows[i];
            const int d = enabled_rows[j];
            if (same_conversion(table, c, d))
                return Row_Error{c, legacy_listener_text::Duplicate,
                                 texts[legacy_listener_text::Error_Row] + std::to_string(c) +
                                     texts[legacy_listener_text::Duplicate] + std::to_string(d)};
        }
    }
    return std::nullopt;
}

} // namespace cfg::nmea::legacy
