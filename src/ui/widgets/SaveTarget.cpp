#include "ui/widgets/SaveTarget.h"

#include "core/app/OwnFiles.h"
#include "ui/widgets/Texts.h"

namespace ui {

bool May_Write_Chosen_File(const cfg::Application& app, QWidget* parent, const std::filesystem::path& file,
                           int overwrite_question, MessageButtons buttons) {
    if (const std::optional<std::filesystem::path> own = cfg::Own_File_At(app, file)) {
        MessageService::error(parent,
                              text_of(app.Lang_Strings, cfg::common_text::Own_File_Refused) + qt_path(*own));
        return false;
    }
    // A name the system cannot examine raises here, for the caller's error report.
    return !std::filesystem::exists(file) ||
           MessageService::show(parent, MessageIcon::Question, text_of(app.Lang_Strings, overwrite_question),
                                buttons, YesLoses::Data) == MessageAnswer::Yes;
}

} // namespace ui
