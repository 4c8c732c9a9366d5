#include "ui/widgets/RowButtons.h"

#include "core/lang/CommonTexts.h"
#include "core/lang/LangStrings.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"

namespace ui {
namespace {

namespace common_text = cfg::common_text;

// Some screens' questions hold "%d" where the row number goes; the others end where it follows.
QString delete_question(QString text, int row) {
    const QString number = QString::number(row);
    return text.contains("%d") ? text.replace("%d", number) : text + number;
}

} // namespace

RowButtons::RowButtons(GridView* view, const cfg::Lang_Strings& texts, RowActions actions, QWidget* dialog)
    : QObject(dialog), view_(view), texts_(texts), actions_(std::move(actions)), dialog_(dialog) {}

void RowButtons::Btn_DelRowClick() {
    // A table operation that fails is reported; the screen stays as it was.
    run_reported(dialog_, [this] {
        const int row = view_->currentTableRow();
        if (row < 1)
            return;
        if (!MessageService::confirm_loss(
                dialog_, delete_question(text_of(texts_, actions_.delete_question_text), row)))
            return;
        actions_.delete_row(row);
        emit tableChanged();
    });
}

void RowButtons::Btn_InsRowClick() {
    // A table operation that fails is reported; the screen stays as it was.
    run_reported(dialog_, [this] {
        const int row = view_->currentTableRow();
        if (row < 1)
            return;
        actions_.insert_row(row);
        emit tableChanged();
    });
}

void RowButtons::Btn_CopyRowClick() {
    // A table operation that fails is reported; the screen stays as it was.
    run_reported(dialog_, [this] {
        const int row = view_->currentTableRow();
        if (row < 1)
            return;
        actions_.copy_row(row);
        Do_Copy = true;
        emit rowCopied();
    });
}

void RowButtons::Btn_PasteRowClick() {
    // A table operation that fails is reported; the screen stays as it was.
    run_reported(dialog_, [this] {
        const int row = view_->currentTableRow();
        if (row < 1)
            return;
        const auto confirm = [this] {
            return MessageService::confirm_loss(dialog_, text_of(texts_, common_text::Row_In_Use_Question));
        };
        switch (actions_.paste_row(row, Do_Copy, confirm)) {
        case cfg::PasteResult::NothingCopied:
            MessageService::error(dialog_, text_of(texts_, common_text::Nothing_Copied_Error));
            break;
        case cfg::PasteResult::ColumnMismatch:
            MessageService::error(dialog_, text_of(texts_, common_text::Copy_Does_Not_Fit_Error));
            break;
        case cfg::PasteResult::Pasted:
            emit tableChanged();
            break;
        case cfg::PasteResult::Declined:
            break;
        }
    });
}

} // namespace ui
