#pragma once

#include <cstdint>

namespace cfg::ethercat {

// The packing of one direction's process-data image: bits of consecutive "Bool" variables share a
// byte, eight to a byte; every other variable starts on the next whole byte, without alignment.
// The layout of the table and the size the ESI file gives the inputs both follow it.
class ProcessImagePacker {
public:
    struct Place {
        std::int64_t position;
        int bit;
    };

    Place add_bit();
    // Closes an open bit byte, places the bytes and returns their position.
    std::int64_t add_bytes(std::int64_t count);
    // Bytes used so far, an open bit byte counted as a whole one.
    std::int64_t size() const { return offset_ + (bit_ > 0 ? 1 : 0); }

private:
    std::int64_t offset_ = 0;
    int bit_ = 0;
};

} // namespace cfg::ethercat
