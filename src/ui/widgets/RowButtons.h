#pragma once

#include "core/common/RowOperations.h"

#include <QObject>

#include <functional>

class QWidget;

namespace cfg {
class Lang_Strings;
}

namespace ui {

class GridView;

// What a table screen's row buttons do to its table; the screen binds them to its family's
// operations (check-box or plain) and its own rules.
struct RowActions {
    std::function<void(int row)> delete_row;
    std::function<void(int row)> insert_row;
    std::function<void(int row)> copy_row;
    std::function<cfg::PasteResult(int row, bool copied, const cfg::ConfirmOverwrite& confirm)> paste_row;
    int delete_question_text; // the row number takes the place of "%d", or follows the text
};

// The flow of the four row buttons of one table: the delete question, the paste messages of block
// 900, and the table's own "a row was copied here" flag. Each change of the table is announced with
// tableChanged so the screen can recompute what depends on the rows.
class RowButtons : public QObject {
    Q_OBJECT
public:
    RowButtons(GridView* view, const cfg::Lang_Strings& texts, RowActions actions, QWidget* dialog);

    void Btn_DelRowClick();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();

    // Only a row copied in this table, since the screen was opened, may be pasted into it.
    void forgetCopy() { Do_Copy = false; }

signals:
    void tableChanged();
    void rowCopied();

private:
    GridView* view_;
    const cfg::Lang_Strings& texts_;
    RowActions actions_;
    QWidget* dialog_;
    bool Do_Copy = false;
};

} // namespace ui
