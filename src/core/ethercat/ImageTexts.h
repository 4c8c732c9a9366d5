#pragma once

#include "core/ethercat/ProcessImage.h"
#include "core/lang/LangStrings.h"

#include <string>

// What the variable screen and its byte map say about the Slave To Master process image.
namespace cfg::ethercat {

constexpr int Text_Image_Caption = 1570;
constexpr int Text_Row = 1582;
constexpr int Text_Label_Separator = 1583;
constexpr int Text_Bytes = 1584;
constexpr int Text_No_Bytes = 1585;

// "process image: 20 bytes, 160 bits".
std::string Image_Status(const Process_Image& image, const Lang_Strings& texts);

} // namespace cfg::ethercat
