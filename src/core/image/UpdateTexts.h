#pragma once

#include "core/image/UpdateHost.h"
#include "core/image/UpdateOutcome.h"
#include "core/lang/LangStrings.h"

#include <string>

namespace cfg::image {

// What the update is doing: "Testing 192.168.2.205 …", "Updater running …".
std::string Progress_Status(const Lang_Strings& texts, const Update_Progress& progress);

// How long it has been at it, and when it stops waiting: "12 s of 150 s".
std::string Progress_Seconds(const Lang_Strings& texts, const Update_Progress& progress);

// What the user is told of an outcome; empty for an update the user gave up.
std::string Update_Message(const Lang_Strings& texts, const Update_Result& result);

} // namespace cfg::image
