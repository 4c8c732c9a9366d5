#pragma once

#include "core/params/ParGenSet.h"

#include <ostream>

namespace cfg {

// Failure messages list the values by key instead of the bytes of the structure.
inline void PrintTo(const ParGen_Set& set, std::ostream* out) {
    for (const ParGen_Key& key : ParGen_Keys())
        *out << "\n  " << key.name << " = \"" << ParGen_Value_Text(set, key) << '"';
}

} // namespace cfg
