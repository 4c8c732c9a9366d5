#pragma once

#include "core/lang/CommonTexts.h"
#include "ui/widgets/MessageService.h"

#include <filesystem>

class QWidget;

namespace cfg {
struct Application;
}

namespace ui {

// The one check before every "save as" of the program writes the file the user chose. A file the
// program keeps for itself or the configuration is refused with a message naming it; an existing
// file is replaced only after the question (overwrite_question, on these buttons), which opens
// with No as its default. True when the file may be written.
bool May_Write_Chosen_File(const cfg::Application& app, QWidget* parent, const std::filesystem::path& file,
                           int overwrite_question = cfg::common_text::File_Exists_Question,
                           MessageButtons buttons = MessageButtons::YesNo);

} // namespace ui
