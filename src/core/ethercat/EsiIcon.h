#pragma once

#include <string>

namespace cfg::ethercat {

// The device icon of the ESI file: a 16 x 14 pixel, 24-bit BMP (a blue box with two arrows, one
// each way, for a converter).
std::string esi_icon_bmp();

// The icon's bytes as lower-case hex digits, the content of ImageData16x14.
std::string esi_icon_hex();

} // namespace cfg::ethercat
