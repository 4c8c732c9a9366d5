#include "core/ethercat/ImageTexts.h"

#include "core/lang/EtherCATTexts.h"

namespace cfg::ethercat {
std::string Image_Status(const Process_Image& image, const Lang_Strings& texts) {
    return texts[ethercat_text::Process_Image] + std::to_string(image.size) +
           texts[image.size == 1 ? ethercat_text::Byte_Unit : ethercat_text::Bytes_Unit] +
           texts[ethercat_text::Size_Separator] + std::to_string(image.size * 8) +
           texts[ethercat_text::Bits_Unit];
}

} // namespace cfg::ethercat
