#pragma once

#include "core/lang/LangStrings.h"
#include "core/params/ParGenSet.h"

#include <string>
#include <vector>

namespace cfg::report {

// One value as the parameter screen shows it: the four octets of an address as one dotted value,
// a flag as the catalogue's yes or no.
struct Parameter_Entry {
    std::string key;   // the element name, without the octet's digit for an address
    std::string label; // the screen's caption; the key for a value the screen does not show
    std::string value;
};

struct Parameter_Group {
    std::string caption; // "1. Ethernet Connection"; empty for the values the screen does not show
    std::vector<Parameter_Entry> entries;
};

// The screen's groups in its order, then a group without caption holding the values that pass
// from the file to the device unseen (the RS232 enable and the second serial port).
std::vector<Parameter_Group> Parameter_Groups(const ParGen_Set& set, const Lang_Strings& texts);

} // namespace cfg::report
