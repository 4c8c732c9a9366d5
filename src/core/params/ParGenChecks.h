#pragma once

#include "core/params/ParGenSet.h"

#include <optional>

namespace cfg {

// The checks run before the parameters are saved, in their fixed order. Returns the Lang_Strings
// index of the message of the first failing rule, or nothing when every rule passes; later rules
// are not evaluated. Values of the groups this model hides are never checked.
std::optional<int> Controllo_Dati(const ParGen_Set& set);

} // namespace cfg
