#include "ui/widgets/TableGridModel.h"

#include "ui/widgets/Looks.h"

namespace ui {
namespace {

// The state of a plain-family check box, as its cell text holds it; any other text is unchecked.
constexpr const char* Checked_Text = "Y";

} // namespace

TableGridModel::TableGridModel(std::shared_ptr<cfg::Table> table, QObject* parent)
    : QAbstractTableModel(parent), table_(std::move(table)) {}

int TableGridModel::addComputedColumn(ComputedText text) {
    const int column = columnCount();
    beginInsertColumns({}, column, column);
    computed_.push_back({std::move(text), QString()});
    endInsertColumns();
    return column;
}

void TableGridModel::setComputedHeader(int column, const QString& header) {
    computed_[static_cast<std::size_t>(column - table_->column_count())].header = header;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

const TableGridModel::ComputedColumn& TableGridModel::computed(int column) const {
    return computed_[static_cast<std::size_t>(column - table_->column_count())];
}

bool TableGridModel::isColumnShown(int column) const {
    return isComputedColumn(column) || table_->is_column_visible(column);
}

void TableGridModel::setHeaderHints(const QStringList& hints_by_column) {
    header_hints_ = hints_by_column;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

// The table never changes its size, so a change of content is a change of data, and the view
// keeps its current cell.
void TableGridModel::tableChanged() {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TableGridModel::rowChanged(int table_row) {
    emit dataChanged(index(table_row - 1, 0), index(table_row - 1, columnCount() - 1));
}

bool TableGridModel::isTextCheckBox(int table_row, int column) const {
    return table_->is_check_box_editor_column(column) && !table_->has_check_box(table_row, column);
}

bool TableGridModel::isReadOnly(const QModelIndex& index) const {
    return !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable));
}

int TableGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_->row_count() - 1;
}

int TableGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_->column_count() + static_cast<int>(computed_.size());
}

QVariant TableGridModel::cellText(int table_row, int column) const {
    if (column == 0)
        return table_row;
    if (isComputedColumn(column))
        return computed(column).text(table_row);
    if (shows_text_ && !shows_text_(table_row, column))
        return QString();
    return QString::fromStdString(table_->text(table_row, column));
}

// Colours and tool tips: a warned row stands out whole; otherwise cells nobody edits look read-only.
QVariant TableGridModel::look(const QModelIndex& index, int role) const {
    const QString warning = row_warning_ ? row_warning_(tableRow(index)) : QString();
    if (role == Qt::ToolTipRole)
        return warning.isEmpty() ? QVariant() : QVariant(warning);
    if (!warning.isEmpty())
        return role == Qt::BackgroundRole ? QVariant(warning_background()) : QVariant(warning_foreground());
    if (isReadOnly(index))
        return role == Qt::BackgroundRole ? QVariant(read_only_background())
                                          : QVariant(read_only_foreground());
    return {};
}

QVariant TableGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = tableRow(index);
    const int column = index.column();
    if (role == Qt::BackgroundRole || role == Qt::ForegroundRole || role == Qt::ToolTipRole)
        return look(index, role);
    if (column == 0 || isComputedColumn(column))
        return role == Qt::DisplayRole ? cellText(row, column) : QVariant();
    const bool check_box = table_->has_check_box(row, column);
    const bool text_check_box = isTextCheckBox(row, column);
    switch (role) {
    case Qt::DisplayRole:
        return check_box || text_check_box ? QVariant() : cellText(row, column);
    case Qt::EditRole:
        return check_box || text_check_box ? QVariant()
                                           : QVariant(QString::fromStdString(table_->text(row, column)));
    case Qt::CheckStateRole:
        if (text_check_box)
            return table_->text(row, column) == Checked_Text ? Qt::Checked : Qt::Unchecked;
        return check_box ? QVariant(table_->is_checked(row, column) ? Qt::Checked : Qt::Unchecked)
                         : QVariant();
    case Qt::TextAlignmentRole:
        return check_box || text_check_box ? QVariant(Qt::AlignCenter) : QVariant();
    case ListItemsRole: {
        const std::optional<QStringList> items = list_items_ ? list_items_(row, column) : std::nullopt;
        return items ? QVariant(*items) : QVariant();
    }
    case ListTakesTextRole:
        return list_takes_text_ ? QVariant(list_takes_text_(row, column)) : QVariant();
    default:
        return {};
    }
}

bool TableGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() == 0 || isComputedColumn(index.column()))
        return false;
    const int row = tableRow(index);
    const int column = index.column();
    if (role == Qt::CheckStateRole && table_->has_check_box(row, column)) {
        table_->set_check_box(row, column, value.value<Qt::CheckState>() == Qt::Checked);
    } else if (role == Qt::CheckStateRole && isTextCheckBox(row, column)) {
        table_->set_text(row, column, value.value<Qt::CheckState>() == Qt::Checked ? Checked_Text : "N");
    } else if (role == Qt::EditRole && !table_->has_check_box(row, column) && !isTextCheckBox(row, column)) {
        const std::string text = value.toString().toStdString();
        if (text == table_->text(row, column))
            return true;
        table_->set_text(row, column, text);
    } else {
        return false;
    }
    emit dataChanged(index, index, {role});
    emit cellEdited(row, column);
    return true;
}

Qt::ItemFlags TableGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int row = tableRow(index);
    const int column = index.column();
    if (column == 0 || isComputedColumn(column) || (editable_ && !editable_(row, column)))
        return result;
    if (table_->has_check_box(row, column) || isTextCheckBox(row, column))
        return result | Qt::ItemIsUserCheckable;
    return result | Qt::ItemIsEditable;
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return isComputedColumn(section) ? computed(section).header
                                         : QString::fromStdString(table_->text(0, section));
    if (role == Qt::ToolTipRole && section < header_hints_.size() && !header_hints_[section].isEmpty())
        return header_hints_[section];
    return {};
}

} // namespace ui
