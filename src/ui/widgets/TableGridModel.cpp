#include "ui/widgets/TableGridModel.h"

namespace ui {
namespace {

// The state of a plain-family check box, as its cell text holds it; any other text is unchecked.
constexpr const char* Checked_Text = "Y";

} // namespace

TableGridModel::TableGridModel(std::shared_ptr<cfg::Table> table, QObject* parent)
    : QAbstractTableModel(parent), table_(std::move(table)) {}

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

int TableGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_->row_count() - 1;
}

int TableGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_->column_count();
}

QVariant TableGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = tableRow(index);
    const int column = index.column();
    if (column == 0)
        return role == Qt::DisplayRole ? QVariant(row) : QVariant();
    const bool check_box = table_->has_check_box(row, column);
    const bool text_check_box = isTextCheckBox(row, column);
    switch (role) {
    case Qt::DisplayRole:
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
    if (!index.isValid() || index.column() == 0)
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
    if (column == 0 || (editable_ && !editable_(row, column)))
        return result;
    if (table_->has_check_box(row, column) || isTextCheckBox(row, column))
        return result | Qt::ItemIsUserCheckable;
    return result | Qt::ItemIsEditable;
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromStdString(table_->text(0, section));
    if (role == Qt::ToolTipRole && section < header_hints_.size() && !header_hints_[section].isEmpty())
        return header_hints_[section];
    return {};
}

} // namespace ui
