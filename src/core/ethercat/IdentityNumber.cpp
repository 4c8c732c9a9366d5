#include "core/ethercat/IdentityNumber.h"

#include "core/common/TextToInt.h"

namespace cfg::ethercat {

std::uint32_t read_identity_u32(std::string_view text, std::uint32_t default_value) {
    return static_cast<std::uint32_t>(Text_To_Int64(text, default_value) & 0xFFFFFFFF);
}

} // namespace cfg::ethercat
