#pragma once

#include "core/lang/LangStrings.h"
#include "core/lang/Language.h"

#include <vector>

namespace cfg {

// The catalogue in every language the user may pick: the built-in English first, then each
// language file over it. A file that cannot be read is left out.
std::vector<Lang_Strings> Every_Language_Texts(const Language_Folders& folders);

} // namespace cfg
