#include "ui/nmea/PreviewRowsModel.h"

#include "core/nmea/ListenerTable.h"
#include "core/preview/ByteText.h"
#include "core/preview/EntryTexts.h"
#include "ui/nmea/PreviewTexts.h"
#include "ui/widgets/Texts.h"

namespace ui {
namespace {

using cfg::nmea::Listener_Column;

// The header of each column: the listener screen's own, then the preview's.
int header_text(int column) {
    const cfg::Column_Description* listener = PreviewRowsModel::listenerColumn(column);
    return listener ? listener->header_text
                    : preview_text::Received_Header + column - PreviewRowsModel::Received;
}

} // namespace

const cfg::Column_Description* PreviewRowsModel::listenerColumn(int column) {
    constexpr Listener_Column listener[] = {Listener_Column::Number,        Listener_Column::Sentence,
                                            Listener_Column::Index,         Listener_Column::DataField,
                                            Listener_Column::PortOperation, Listener_Column::SwapAll,
                                            Listener_Column::Swap16,        Listener_Column::Position};
    if (column < 0 || column >= Received)
        return nullptr;
    return &cfg::nmea::Listener_Columns()[static_cast<std::size_t>(listener[column])];
}

PreviewRowsModel::PreviewRowsModel(const cfg::Lang_Strings& texts, QObject* parent)
    : QAbstractTableModel(parent), texts_(texts) {}

void PreviewRowsModel::setSession(std::shared_ptr<const cfg::preview::Preview_Session> session) {
    beginResetModel();
    session_ = std::move(session);
    endResetModel();
}

void PreviewRowsModel::refresh() {
    if (rowCount() > 0)
        emit dataChanged(index(0, Received), index(rowCount() - 1, State));
}

void PreviewRowsModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, Column_Count - 1);
    refresh();
}

int PreviewRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !session_ ? 0 : static_cast<int>(session_->model().rows().size());
}

int PreviewRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Column_Count;
}

QString PreviewRowsModel::text(int column, std::size_t row) const {
    const cfg::image::Listener_Image_Row& image_row = session_->model().rows()[row];
    const cfg::preview::Row_State& state = session_->model().states()[row];
    const cfg::preview::Entry_Texts entry = cfg::preview::Texts_Of_Entry(image_row.entry);
    switch (column) {
    case Number:
        return QString::number(image_row.row);
    case Sentence:
        return qt_text(entry.sentence);
    case Index:
        return qt_text(entry.index);
    case DataField:
        return qt_text(entry.data_field);
    case PostOperation:
        return qt_text(entry.post_operation);
    case Position:
        return QString::number(image_row.entry.Position);
    case Received:
        return qt_text(state.received.value_or(""));
    case Value:
        return qt_text(state.value);
    case Bytes:
        return qt_text(cfg::preview::Hex_Bytes(state.bytes));
    case State:
        return text_of(texts_, preview_text::State_Waiting + static_cast<int>(state.state));
    default:
        return {};
    }
}

QVariant PreviewRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !session_)
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::CheckStateRole && (index.column() == SwapAll || index.column() == Swap16)) {
        const std::uint8_t bit =
            index.column() == SwapAll ? cfg::image::Swap_All_Bit : cfg::image::Swap_16_Bit;
        return session_->model().rows()[row].entry.swap_flags & bit ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::DisplayRole)
        return text(index.column(), row);
    return {};
}

QVariant PreviewRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Column_Count)
        return QAbstractTableModel::headerData(section, orientation, role);
    return text_of(texts_, header_text(section));
}

} // namespace ui
