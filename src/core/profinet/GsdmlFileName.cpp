#include "core/profinet/GsdmlFileName.h"

#include "core/common/PathText.h"
#include "core/common/Text.h"

#include <ctime>

namespace cfg::profinet {
namespace {

std::string zero_padded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return digits;
}

} // namespace

std::string gsdml_fixed_part_2(std::chrono::year_month_day date) {
    return "-" + zero_padded(static_cast<int>(date.year()), 4) +
           zero_padded(static_cast<int>(static_cast<unsigned>(date.month())), 2) +
           zero_padded(static_cast<int>(static_cast<unsigned>(date.day())), 2) + ".xml";
}

std::chrono::year_month_day local_date_today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

GsdmlFileName::GsdmlFileName(std::chrono::year_month_day creation_date)
    : fixed_part_2_(gsdml_fixed_part_2(creation_date)) {}

std::string GsdmlFileName::compose(std::string_view user_part) const {
    std::string name(Gsdml_Fixed_Part_1);
    if (!trimmed(user_part).empty()) {
        if (!user_part.starts_with('_'))
            name += '_';
        name += user_part;
    }
    return name + fixed_part_2_;
}

std::filesystem::path gsdml_target(const std::filesystem::path& chosen_file, std::string_view name) {
    return chosen_file.parent_path() / path_from_utf8(name);
}

} // namespace cfg::profinet
