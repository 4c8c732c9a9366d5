#pragma once

#include "core/lang/CommonTexts.h"
#include "ui/widgets/MessageService.h"

#include <QString>

#include <filesystem>
#include <functional>

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

// A "save as" of the program: where its dialog starts, what it offers, and how the chosen name
// becomes the file written.
struct Save_As {
    QString start; // the folder the dialog opens in, or the file it proposes
    QString filter;
    std::function<std::filesystem::path(const std::filesystem::path& chosen)> file_of = {}; // none: as chosen
    int overwrite_question = cfg::common_text::File_Exists_Question;
    MessageButtons buttons = MessageButtons::YesNo;
};

// Asks for the file; unless the user cancels, makes the chosen name the file to write, checks it
// with May_Write_Chosen_File and hands it to write, all under the general error report.
void Save_Chosen_File(const cfg::Application& app, QWidget* parent, const Save_As& save_as,
                      const std::function<void(const std::filesystem::path& file)>& write);

} // namespace ui
