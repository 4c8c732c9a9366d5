#include "ui/widgets/SaveTarget.h"

#include "core/app/OwnFiles.h"
#include "ui/platform/QtPath.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/FileDialogService.h"
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

void Save_Chosen_File(const cfg::Application& app, QWidget* parent, const Save_As& save_as,
                      const std::function<void(const std::filesystem::path& file)>& write) {
    const QString chosen =
        FileDialogService::getSaveFileName(parent, QString(), save_as.start, save_as.filter);
    if (chosen.isEmpty())
        return;
    run_reported(parent, [&] {
        const std::filesystem::path file =
            save_as.file_of ? save_as.file_of(std_path(chosen)) : std_path(chosen);
        if (May_Write_Chosen_File(app, parent, file, save_as.overwrite_question, save_as.buttons))
            write(file);
    });
}

} // namespace ui
