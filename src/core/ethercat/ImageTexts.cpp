#include "core/ethercat/ImageTexts.h"

namespace cfg::ethercat {
namespace {

constexpr int Text_Process_Image = 1571;
constexpr int Text_Byte = 1572;
constexpr int Text_Bytes_Unit = 1573;
constexpr int Text_Size_Separator = 1574;
constexpr int Text_Bits_Unit = 1575;

} // namespace

std::string Image_Status(const Process_Image& image, const Lang_Strings& texts) {
    return texts[Text_Process_Image] + std::to_string(image.size) +
           texts[image.size == 1 ? Text_Byte : Text_Bytes_Unit] + texts[Text_Size_Separator] +
           std::to_string(image.size * 8) + texts[Text_Bits_Unit];
}

} // namespace cfg::ethercat
