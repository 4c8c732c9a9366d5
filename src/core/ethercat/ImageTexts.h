#pragma once

#include "core/ethercat/ProcessImage.h"
#include "core/lang/LangStrings.h"

#include <string>

// What the variable screen and its byte map say about the Slave To Master process image.
namespace cfg::ethercat {

// "process image: 20 bytes, 160 bits".
std::string Image_Status(const Process_Image& image, const Lang_Strings& texts);

} // namespace cfg::ethercat
