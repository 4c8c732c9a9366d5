#pragma once

#include "core/ethercat/EsiSources.h"

#include <string>

namespace cfg::ethercat {

// A fingerprint of the process image an ESI file describes: every entry of both directions (type,
// bits, name) in order, and the size of the inputs. Any change a master would have to import
// again changes it; the identity and the texts around the entries do not.
std::string Process_Image_Digest(const ESI_Sources& sources);

} // namespace cfg::ethercat
