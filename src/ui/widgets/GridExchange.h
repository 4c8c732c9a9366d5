#pragma once

#include "core/common/Csv.h"
#include "core/exchange/TableExchange.h"

#include <QObject>

#include <filesystem>
#include <functional>
#include <vector>

class QAction;
class QMimeData;
class QWidget;

namespace cfg {
struct Application;
}

namespace ui {

class GridView;
class TableGridModel;

// One grid to and from spreadsheets: a block of cells over the system clipboard (Ctrl+C and
// Ctrl+V while the grid has the focus) and the whole table as a CSV file. Every value taken in
// passes the column's rules, all of a block or file or nothing; what happens is said in a message.
class GridExchange : public QObject {
    Q_OBJECT
public:
    GridExchange(const cfg::Application& app, GridView* view, TableGridModel* model, cfg::Table& table,
                 cfg::Table_Rules rules, QWidget* dialog);

    void copyCells();
    void pasteCells();
    void exportCsv();
    void importCsv();

    QAction* copyAction() const { return Act_CopyCells; }
    QAction* pasteAction() const { return Act_PasteCells; }
    // The texts of the two actions, for the grid's menu.
    void setTexts();

signals:
    // After a paste or an import changed the table.
    void tableChanged();

private:
    // The grid's columns the user sees, from the given one on, in the order shown.
    std::vector<int> shown_columns_from(int column) const;
    void paste_block(const std::vector<cfg::Csv_Record>& block);
    void with_chosen_file(bool to_write, const std::function<void(const std::filesystem::path&)>& work);
    QString text(int index) const;

    const cfg::Application& app_;
    GridView* view_;
    TableGridModel* model_;
    cfg::Table& table_;
    cfg::Table_Rules rules_;
    QWidget* dialog_;
    QAction* Act_CopyCells;
    QAction* Act_PasteCells;
};

// The clipboard's form of a block of cells: tab-separated text, which spreadsheets paste into
// columns, and the same block as text/csv.
QMimeData* cells_mime_data(const std::vector<cfg::Csv_Record>& block);
// The block the clipboard holds: its text/csv when it offers one, else its text read as
// tab-separated. A blank line at the end, as spreadsheets leave one, is no row.
std::vector<cfg::Csv_Record> clipboard_block(const QMimeData* mime);

} // namespace ui
