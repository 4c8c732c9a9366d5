#include "core/common/ByteRange.h"

namespace cfg {

std::string Byte_Range_Text(std::int64_t first, std::int64_t last, std::string_view dash) {
    if (first == last)
        return std::to_string(first);
    return std::to_string(first) + std::string(dash) + std::to_string(last);
}

} // namespace cfg
