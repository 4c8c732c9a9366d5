#include "core/common/UtcTime.h"

namespace cfg {
namespace {

std::string two_digits(unsigned value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::string Utc_Time_Text(std::chrono::system_clock::time_point moment) {
    using namespace std::chrono;
    const auto minute = floor<minutes>(moment);
    const auto day = floor<days>(minute);
    const year_month_day date{day};
    const hh_mm_ss<minutes> time{minute - day};
    return std::to_string(static_cast<int>(date.year())) + "-" +
           two_digits(static_cast<unsigned>(date.month())) + "-" +
           two_digits(static_cast<unsigned>(date.day())) + " " +
           two_digits(static_cast<unsigned>(time.hours().count())) + ":" +
           two_digits(static_cast<unsigned>(time.minutes().count())) + " UTC";
}

} // namespace cfg
