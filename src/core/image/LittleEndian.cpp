#include "core/image/LittleEndian.h"

namespace cfg::image {
namespace {

void put(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t get(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

} // namespace

void put_u16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    put(bytes, offset, value, 2);
}

void put_u32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    put(bytes, offset, value, 4);
}

std::uint16_t get_u16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(get(bytes, offset, 2));
}

std::uint32_t get_u32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return get(bytes, offset, 4);
}

} // namespace cfg::image
