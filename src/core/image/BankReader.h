#pragma once

#include "core/image/EtherCATHeader.h"
#include "core/image/EtherCATRecord.h"
#include "core/image/ListenerEntry.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Reads bank files back into the records the compiler laid out, so a user can check what goes
// into a device. Each reader raises ConfigError when the bytes do not have its bank's size.
namespace cfg::image {

// All 128 entries of bank2, the unused ones included.
std::vector<Listener_Entry> Read_Bank2(std::span<const std::uint8_t> bytes);

// A record of bank3 with the name found at its name_add.
struct Bank3_Record {
    TEtherCAT_pd record;                // name filled from the bytes at name_add
    std::optional<std::string> problem; // why the name could not be read as stored, if it could not
};

struct Bank3_Content {
    EtherCAT_Header header;
    std::vector<Bank3_Record> records; // the used ones: header count, at most 512
};

// The header and the used records of bank3, whose device address is base.
Bank3_Content Read_Bank3(std::span<const std::uint8_t> bytes, std::uint32_t base);

} // namespace cfg::image
