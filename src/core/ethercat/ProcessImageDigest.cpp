#include "core/ethercat/ProcessImageDigest.h"

#include "core/ethercat/EsiText.h"

#include <cstdint>
#include <string_view>

namespace cfg::ethercat {
namespace {

// 64-bit FNV-1a: change detection, not protection, and the same on every platform.
class Fingerprint {
public:
    void add(std::uint64_t number) {
        for (int i = 0; i < 8; ++i)
            add_byte(static_cast<std::uint8_t>(number >> (8 * i)));
    }
    // With its length first, so that no two lists of texts run together alike.
    void add(std::string_view text) {
        add(static_cast<std::uint64_t>(text.size()));
        for (char c : text)
            add_byte(static_cast<std::uint8_t>(c));
    }
    std::string text() const {
        return hex_upper(static_cast<std::uint32_t>(hash_ >> 32), 8) +
               hex_upper(static_cast<std::uint32_t>(hash_), 8);
    }

private:
    void add_byte(std::uint8_t byte) {
        hash_ ^= byte;
        hash_ *= 0x100000001B3ULL;
    }

    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

} // namespace

std::string Process_Image_Digest(const ESI_Sources& sources) {
    Fingerprint fingerprint;
    for (const std::vector<TEtherCAT_Rule>* entries : {&sources.ESI_Inputs, &sources.ESI_Outputs}) {
        fingerprint.add(static_cast<std::uint64_t>(entries->size()));
        for (const TEtherCAT_Rule& entry : *entries) {
            fingerprint.add(entry.DataType);
            fingerprint.add(static_cast<std::uint64_t>(entry.Length));
            fingerprint.add(entry.Name);
        }
    }
    fingerprint.add(static_cast<std::uint64_t>(sources.ESI_Inputs_Size));
    return fingerprint.text();
}

} // namespace cfg::ethercat
