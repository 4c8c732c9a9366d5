#include "ui/widgets/EditingScreen.h"

#include "core/app/Application.h"
#include "core/common/SafeFile.h"
#include "core/common/UnreadableFile.h"
#include "core/lang/CommonTexts.h"
#include "ui/platform/QtPath.h"
#include "ui/widgets/EditTexts.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/Looks.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/ScreenStep.h"
#include "ui/widgets/Texts.h"

#include <QAction>
#include <QLabel>
#include <QUndoStack>

namespace ui {
namespace {

namespace common_text = cfg::common_text;

// Each step keeps the rows it changed, a whole table at the most; the oldest steps go beyond this
// many, so that a long session's memory stays bounded.
constexpr int Undo_Limit = 500;

} // namespace

EditingScreen::EditingScreen(cfg::Application& app, QWidget* parent)
    : ScreenDialog(parent), app_(app), notice_(make_notice(this, "L_Notice")),
      undo_stack_(new QUndoStack(this)), Act_Undo(new QAction(this)), Act_Redo(new QAction(this)) {
    undo_stack_->setUndoLimit(Undo_Limit);
    Act_Undo->setObjectName("Act_Undo");
    Act_Redo->setObjectName("Act_Redo");
    Act_Undo->setShortcuts(undo_keys());
    Act_Redo->setShortcuts(redo_keys());
    Act_Undo->setEnabled(false);
    Act_Redo->setEnabled(false);
    addAction(Act_Undo);
    addAction(Act_Redo);
    connect(Act_Undo, &QAction::triggered, undo_stack_, &QUndoStack::undo);
    connect(Act_Redo, &QAction::triggered, undo_stack_, &QUndoStack::redo);
    connect(undo_stack_, &QUndoStack::canUndoChanged, Act_Undo, &QAction::setEnabled);
    connect(undo_stack_, &QUndoStack::canRedoChanged, Act_Redo, &QAction::setEnabled);
}

void EditingScreen::push_step(std::function<void()> undo, std::function<void()> redo, int typing_key) {
    undo_stack_->push(new Screen_Step(std::move(undo), std::move(redo), typing_key));
}

// Taken before the reading, so that a change during it counts as one.
void EditingScreen::opened() {
    undo_stack_->clear();
    Act_Undo->setText(text_of(app_.Lang_Strings, edit_text::Undo));
    Act_Redo->setText(text_of(app_.Lang_Strings, edit_text::Redo));
    notice_->hide();
    opened_stamp_ = stamp_of(file());
    int rows_left_out = 0;
    read_failed_ =
        !run_reported(this, [this, &rows_left_out] { rows_left_out = show_file_and_count_left_out(); });
    if (read_failed_) {
        show_defaults();
        show_notice(notice_,
                    text_of(app_.Lang_Strings, common_text::Shows_Defaults_Notice) + qt_path(file()));
    } else if (rows_left_out > 0) {
        show_notice(notice_, text_of(app_.Lang_Strings, common_text::Rows_Left_Out_Notice) +
                                 QString::number(rows_left_out));
    }
    remember_shown_state();
}

std::optional<EditingScreen::File_Stamp> EditingScreen::stamp_of(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        return std::nullopt;
    const std::filesystem::file_time_type written = std::filesystem::last_write_time(file, error);
    if (error)
        return std::nullopt;
    return File_Stamp{size, written};
}

bool EditingScreen::may_replace_file() {
    cfg::check_may_write(file());
    return read_failed_ ? may_replace_unreadable_file() : may_replace_changed_file();
}

bool EditingScreen::may_replace_unreadable_file() {
    std::error_code error;
    // A file that has gone in the meantime holds nothing left to keep.
    if (!std::filesystem::exists(file(), error))
        return true;
    if (!MessageService::confirm_loss(this,
                                      text_of(app_.Lang_Strings, common_text::Replace_Unreadable_Question) +
                                          qt_path(cfg::Unreadable_Copy_Path(file()))))
        return false;
    cfg::Keep_Unreadable_File(file());
    read_failed_ = false;
    return true;
}

// A file that has gone in the meantime holds nothing to lose.
bool EditingScreen::may_replace_changed_file() {
    const std::optional<File_Stamp> now = stamp_of(file());
    return !now || now == opened_stamp_ ||
           MessageService::confirm_loss(
               this, text_of(app_.Lang_Strings, common_text::Replace_Changed_Question) + qt_path(file()));
}

// The changes of one opening are not undone in the next.
void EditingScreen::done(int result) {
    ScreenDialog::done(result);
    undo_stack_->clear();
}

void EditingScreen::reject() {
    if (changed_since_opened() &&
        !MessageService::confirm_loss(this,
                                      text_of(app_.Lang_Strings, common_text::Discard_Changes_Question)))
        return;
    ScreenDialog::reject();
}

} // namespace ui
