#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Every number in the bank files is stored least significant byte first.
namespace cfg::image {

void put_u16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value);
void put_u32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value);

std::uint16_t get_u16(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint32_t get_u32(std::span<const std::uint8_t> bytes, std::size_t offset);

} // namespace cfg::image
