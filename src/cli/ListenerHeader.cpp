#include "cli/ListenerHeader.h"

namespace cfg::cli {

std::string listener_header(const Lang_Strings& texts, nmea::Listener_Column column) {
    return texts[nmea::Listener_Columns()[static_cast<std::size_t>(column)].header_text];
}

} // namespace cfg::cli
