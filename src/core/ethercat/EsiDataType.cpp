#include "core/ethercat/EsiDataType.h"

#include "core/common/Text.h"
#include "core/ethercat/VariableTypes.h"

namespace cfg::ethercat {

ESI_Type ESI_Data_Type(std::string_view type, std::int64_t length_bytes) {
    const std::string key = upper_ascii(trimmed(type));
    for (const Variable_Type& named : Variable_Types) {
        if (key == upper_ascii(named.name))
            return {std::string(named.esi_data_type), named.esi_bits > 0 ? named.esi_bits : length_bytes * 8};
    }
    return {"BIT", 1};
}

} // namespace cfg::ethercat
