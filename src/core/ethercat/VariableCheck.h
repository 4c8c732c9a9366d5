#pragma once

#include "core/common/Table.h"
#include "core/lang/LangStrings.h"

#include <string>

namespace cfg::ethercat {

// The answer of the check: row 0 when every row passes, otherwise the first failing row with the
// text index of its rule and the composed message "Error row " + row + rule text.
struct Variable_Check_Result {
    int row = 0;
    int text_index = 0;
    std::string message;

    bool ok() const { return row == 0; }
};

// The screen's check before saving, row by row over the enabled used rows. The image keeps a
// string's length in one byte, so a "String" or "ByteString" row needs a Length of plain decimal
// digits from 0 to 255. In the Slave To Master order a "Float32" row needs an Init Value the image
// stores as itself: a number within a single's range, or none. Every other content is taken as it is.
Variable_Check_Result Controllo_dati(const Table& table, const Lang_Strings& texts);

} // namespace cfg::ethercat
