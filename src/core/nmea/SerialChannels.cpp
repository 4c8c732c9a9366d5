#include "core/nmea/SerialChannels.h"

#include <array>

namespace cfg::nmea {
namespace {

constexpr std::array<std::string_view, 3> channel_names = {Serial_RS232, Serial_RS485_RS422, Serial_RS485_2};

} // namespace

std::vector<std::string> Serial_Channel_List(int Enable_Serial) {
    std::vector<std::string> list;
    for (std::size_t bit = 0; bit < channel_names.size(); ++bit) {
        if ((Enable_Serial >> bit) & 1)
            list.emplace_back(channel_names[bit]);
    }
    return list;
}

bool Check_Serial(std::string_view text, int Enable_Serial) {
    for (std::size_t bit = 0; bit < channel_names.size(); ++bit) {
        if (text == channel_names[bit])
            return ((Enable_Serial >> bit) & 1) != 0;
    }
    return false;
}

} // namespace cfg::nmea
