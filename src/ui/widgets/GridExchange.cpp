#include "ui/widgets/GridExchange.h"

#include "core/app/Application.h"
#include "core/common/FileBytes.h"
#include "core/common/SafeFile.h"
#include "core/lang/LanguageTexts.h"
#include "core/lang/TextFill.h"
#include "ui/platform/QtPath.h"
#include "ui/widgets/EditTexts.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/FileDialogService.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/SaveTarget.h"
#include "ui/widgets/TableGridModel.h"
#include "ui/widgets/Texts.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>

#include <algorithm>
#include <set>

namespace ui {
namespace {

constexpr const char* Csv_Mime_Type = "text/csv";

// Text that is not a spreadsheet's block (a quote opened and never closed): its lines and tabs as
// they stand.
std::vector<cfg::Csv_Record> plain_lines(const QString& text) {
    std::vector<cfg::Csv_Record> block;
    for (const QString& line : text.split('\n')) {
        cfg::Csv_Record& record = block.emplace_back();
        for (const QString& field : (line.endsWith('\r') ? line.chopped(1) : line).split('\t'))
            record.push_back(field.toStdString());
    }
    return block;
}

std::vector<cfg::Csv_Record> read_block(const QMimeData& mime) {
    if (mime.hasFormat(Csv_Mime_Type))
        return cfg::Read_Csv(mime.data(Csv_Mime_Type).toStdString()).records;
    const QString text = mime.text();
    cfg::Csv_Read read = cfg::Read_Csv(text.toStdString(), '\t');
    return read.unclosed_quote_record ? plain_lines(text) : std::move(read.records);
}

} // namespace

QMimeData* cells_mime_data(const std::vector<cfg::Csv_Record>& block) {
    auto* mime = new QMimeData;
    mime->setText(qt_text(cfg::Csv_Text(block, '\t')));
    mime->setData(Csv_Mime_Type, QByteArray::fromStdString(cfg::Csv_Text(block)));
    return mime;
}

std::vector<cfg::Csv_Record> clipboard_block(const QMimeData* mime) {
    if (!mime)
        return {};
    std::vector<cfg::Csv_Record> block = read_block(*mime);
    while (block.size() > 1 && block.back() == cfg::Csv_Record{""})
        block.pop_back();
    return block;
}

GridExchange::GridExchange(const cfg::Application& app, GridView* view, TableGridModel* model,
                           cfg::Table& table, cfg::Table_Rules rules, QWidget* dialog)
    : QObject(dialog), app_(app), view_(view), model_(model), table_(table), rules_(std::move(rules)),
      dialog_(dialog), Act_CopyCells(new QAction(view)), Act_PasteCells(new QAction(view)) {
    Act_CopyCells->setObjectName("Act_CopyCells");
    Act_PasteCells->setObjectName("Act_PasteCells");
    // While a cell is being edited its editor has the keys, for its own text.
    Act_CopyCells->setShortcuts(QKeySequence::Copy);
    Act_PasteCells->setShortcuts(QKeySequence::Paste);
    Act_CopyCells->setShortcutContext(Qt::WidgetShortcut);
    Act_PasteCells->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(Act_CopyCells);
    view->addAction(Act_PasteCells);
    connect(Act_CopyCells, &QAction::triggered, this, &GridExchange::copyCells);
    connect(Act_PasteCells, &QAction::triggered, this, &GridExchange::pasteCells);
}

QString GridExchange::text(int index) const {
    return text_of(app_.Lang_Strings, index);
}

void GridExchange::setTexts() {
    Act_CopyCells->setText(text(edit_text::Copy_Cells));
    Act_PasteCells->setText(text(edit_text::Paste_Cells));
}

std::vector<int> GridExchange::shown_columns_from(int column) const {
    const QHeaderView* header = view_->horizontalHeader();
    std::vector<int> columns;
    for (int visual = header->visualIndex(column); visual < header->count(); ++visual)
        if (const int logical = header->logicalIndex(visual); !view_->isColumnHidden(logical))
            columns.push_back(logical);
    return columns;
}

// The selected cells as shown, a check box as "Y" or "N", as the table's export writes them.
void GridExchange::copyCells() {
    QModelIndexList cells = view_->selectionModel()->selectedIndexes();
    if (cells.isEmpty() && view_->currentIndex().isValid())
        cells.append(view_->currentIndex());
    if (cells.isEmpty())
        return;
    std::set<int> rows;
    std::set<int> columns;
    for (const QModelIndex& cell : cells) {
        rows.insert(cell.row());
        columns.insert(cell.column());
    }
    const QHeaderView* header = view_->horizontalHeader();
    const int leftmost = *std::min_element(columns.begin(), columns.end(), [header](int a, int b) {
        return header->visualIndex(a) < header->visualIndex(b);
    });
    std::vector<cfg::Csv_Record> block;
    for (int row : rows) {
        cfg::Csv_Record& record = block.emplace_back();
        for (int column : shown_columns_from(leftmost))
            if (columns.count(column))
                record.push_back(column == 0 || model_->isComputedColumn(column)
                                     ? model_->index(row, column).data().toString().toStdString()
                                     : cfg::Exchange_Text(
                                           table_, TableGridModel::tableRow(model_->index(row, 0)), column));
    }
    QGuiApplication::clipboard()->setMimeData(cells_mime_data(block));
}

void GridExchange::pasteCells() {
    const std::vector<cfg::Csv_Record> block = clipboard_block(QGuiApplication::clipboard()->mimeData());
    if (block.empty()) {
        MessageService::error(dialog_, text(edit_text::Clipboard_Empty));
        return;
    }
    paste_block(block);
}

// From the current cell on, row by row and within a row by the columns as shown; values over the
// row numbers and computed columns are passed over, as are those over cells the rules lock.
void GridExchange::paste_block(const std::vector<cfg::Csv_Record>& block) {
    const QModelIndex start = view_->currentIndex();
    if (!start.isValid())
        return;
    const int first_row = TableGridModel::tableRow(start);
    const std::vector<int> columns = shown_columns_from(start.column());
    std::size_t width = 0;
    for (const cfg::Csv_Record& record : block)
        width = std::max(width, record.size());
    if (first_row + static_cast<int>(block.size()) > table_.row_count() || width > columns.size()) {
        const QString header = model_->headerData(start.column(), Qt::Horizontal, Qt::DisplayRole).toString();
        MessageService::error(
            dialog_, qt_text(cfg::Fill_Text(app_.Lang_Strings[edit_text::Block_Too_Large],
                                            {std::to_string(block.size()), std::to_string(width),
                                             std::to_string(first_row), header.trimmed().toStdString()})));
        return;
    }
    std::vector<cfg::Cell_Value> values;
    for (std::size_t r = 0; r < block.size(); ++r)
        for (std::size_t field = 0; field < block[r].size(); ++field)
            if (const int column = columns[field]; column != 0 && !model_->isComputedColumn(column))
                values.push_back({first_row + static_cast<int>(r), column, block[r][field]});
    run_reported(dialog_, [&] {
        if (const std::optional<std::string> refusal =
                cfg::Set_Cells(table_, table_, rules_, std::move(values), app_.Lang_Strings)) {
            MessageService::error(dialog_, qt_text(*refusal) + " " + text(edit_text::Nothing_Pasted));
            return;
        }
        model_->tableChanged();
        emit tableChanged();
    });
}

// Asks for the file in the configuration's folder; what is done with it is reported as it ends.
void GridExchange::with_chosen_file(bool to_write,
                                    const std::function<void(const std::filesystem::path&)>& work) {
    const QString caption = text(to_write ? edit_text::Export_Caption : edit_text::Import_Caption);
    const QString folder = qt_path(app_.Path_Project);
    const QString chosen =
        to_write ? FileDialogService::getSaveFileName(dialog_, caption, folder, text(edit_text::Csv_Filter))
                 : FileDialogService::getOpenFileName(dialog_, caption, folder, text(edit_text::Csv_Filter));
    if (!chosen.isEmpty())
        run_reported(dialog_, [&] { work(std_path(chosen)); });
}

void GridExchange::exportCsv() {
    with_chosen_file(true, [this](const std::filesystem::path& file) {
        if (!May_Write_Chosen_File(app_, dialog_, file))
            return;
        cfg::write_file_safely(file, cfg::Export_Table_Csv(table_, rules_));
        MessageService::show(dialog_, MessageIcon::Information,
                             text(edit_text::Table_Written) + qt_path(file));
    });
}

// The file's rows replace the table's; the screen saves them only at its OK.
void GridExchange::importCsv() {
    with_chosen_file(false, [this](const std::filesystem::path& file) {
        const cfg::Table_Import imported =
            cfg::Import_Table_Csv(table_, rules_, cfg::read_file_bytes(file, cfg::Text_File_Limit),
                                  cfg::Every_Language_Texts(app_.language_folders()), app_.Lang_Strings);
        if (!imported.table) {
            MessageService::error(dialog_, qt_path(file) + ": " + qt_text(imported.refusal));
            return;
        }
        table_ = *imported.table;
        model_->tableChanged();
        emit tableChanged();
        MessageService::show(
            dialog_, MessageIcon::Information,
            qt_text(cfg::Fill_Text(app_.Lang_Strings[edit_text::Rows_Imported],
                                   {std::to_string(imported.rows), qt_path(file).toStdString()})));
    });
}

} // namespace ui
