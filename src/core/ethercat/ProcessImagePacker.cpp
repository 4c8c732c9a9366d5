#include "core/ethercat/ProcessImagePacker.h"

namespace cfg::ethercat {

ProcessImagePacker::Place ProcessImagePacker::add_bit() {
    const Place place{offset_, bit_};
    if (++bit_ == 8) {
        bit_ = 0;
        ++offset_;
    }
    return place;
}

std::int64_t ProcessImagePacker::add_bytes(std::int64_t count) {
    if (bit_ > 0) {
        bit_ = 0;
        ++offset_;
    }
    const std::int64_t position = offset_;
    offset_ += count;
    return position;
}

} // namespace cfg::ethercat
