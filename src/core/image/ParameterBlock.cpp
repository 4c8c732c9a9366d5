#include "core/image/ParameterBlock.h"

#include "core/image/LittleEndian.h"

namespace cfg::image {

const std::array<Fixed_Field, 15>& Fixed_Fields() {
    static const std::array<Fixed_Field, 15> fields{{
        {0x000, 4, 250000},
        {0x004, 4, 250000},
        {0x008, 4, 0},
        {0x00C, 4, 9600},
        {0x034, 2, 10000},
        {0x036, 2, 10001},
        {0x038, 2, 10001},
        {0x1B4, 1, 8},
        {0x1B5, 1, 8},
        {0x1B6, 1, 8},
        {0x1B7, 1, 8},
        {0x1B8, 1, 8},
        {0x1B9, 1, 8},
        {0x1BA, 1, 8},
        {0x1BB, 1, 8},
    }};
    return fields;
}

Parameter_Block Reset_Parameter_Block() {
    Parameter_Block block{};
    for (const Fixed_Field& field : Fixed_Fields()) {
        if (field.size == 4)
            put_u32(block, field.offset, field.value);
        else if (field.size == 2)
            put_u16(block, field.offset, static_cast<std::uint16_t>(field.value));
        else
            block[field.offset] = static_cast<std::uint8_t>(field.value);
    }
    constexpr std::array<std::uint8_t, 4> ip{192, 168, 2, 205};
    constexpr std::array<std::uint8_t, 4> mask{255, 255, 255, 0};
    constexpr std::array<std::uint8_t, 4> gateway{255, 255, 255, 255};
    for (std::size_t i = 0; i < 4; ++i) {
        block[Offset_IP_Address + i] = ip[i];
        block[Offset_Subnet_Mask + i] = mask[i];
        block[Offset_Gateway + i] = gateway[i];
    }
    put_u32(block, Offset_Bank3_Address, Bank3_Address);
    put_u32(block, Offset_Bank2_Address, Bank2_Address);
    return block;
}

std::uint32_t Parameter_Block_Checksum(const Parameter_Block& block) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < Offset_Checksum; ++i)
        sum += block[i];
    return sum;
}

} // namespace cfg::image
