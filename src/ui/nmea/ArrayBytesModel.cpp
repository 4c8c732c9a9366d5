#include "ui/nmea/ArrayBytesModel.h"

#include "core/bytemap/MapPalette.h"
#include "core/nmea/ListenerPositions.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/preview/ByteText.h"
#include "ui/nmea/PreviewTexts.h"
#include "ui/widgets/Looks.h"
#include "ui/widgets/Texts.h"

#include <QFontDatabase>

namespace ui {
namespace {

constexpr std::size_t Array_Size = cfg::nmea::NMEA_Array_Size;
constexpr int Line_Count =
    (cfg::nmea::NMEA_Array_Size + ArrayBytesModel::Bytes_Per_Line - 1) / ArrayBytesModel::Bytes_Per_Line;

} // namespace

ArrayBytesModel::ArrayBytesModel(const cfg::Lang_Strings& texts, QObject* parent)
    : QAbstractTableModel(parent), texts_(texts), writers_(Array_Size) {}

void ArrayBytesModel::setSession(std::shared_ptr<const cfg::preview::Preview_Session> session) {
    beginResetModel();
    session_ = std::move(session);
    writers_.assign(Array_Size, {});
    if (session_) {
        for (const cfg::image::Listener_Image_Row& row : session_->model().rows()) {
            const cfg::nmea::TFieldSentence* field =
                cfg::nmea::Find_Field(row.entry.Ind_Sent, row.entry.data_field);
            for (std::size_t at = row.entry.Position;
                 field && at < row.entry.Position + static_cast<std::size_t>(field->Dimension) &&
                 at < writers_.size();
                 ++at)
                writers_[at].push_back(row.row);
        }
    }
    endResetModel();
}

void ArrayBytesModel::refresh() {
    emit dataChanged(index(0, 0), index(Line_Count - 1, Bytes_Per_Line - 1), {Qt::DisplayRole});
}

int ArrayBytesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Line_Count;
}

int ArrayBytesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Bytes_Per_Line;
}

QString ArrayBytesModel::hint(std::size_t position) const {
    QString text = text_of(texts_, preview_text::Byte) + QString::number(position);
    for (const int row : writers_[position])
        text +=
            text_of(texts_, preview_text::Comma) + text_of(texts_, preview_text::Row) + QString::number(row);
    return text;
}

QVariant ArrayBytesModel::data(const QModelIndex& index, int role) const {
    const auto position = static_cast<std::size_t>(index.row() * Bytes_Per_Line + index.column());
    if (!index.isValid() || position >= Array_Size)
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const std::uint8_t byte = session_ ? session_->model().array()[position] : 0;
        return qt_text(cfg::preview::Hex_Bytes(std::span(&byte, 1)));
    }
    case Qt::ToolTipRole:
        return hint(position);
    case Qt::BackgroundRole:
        if (writers_[position].empty())
            return {};
        return qt_colour(cfg::bytemap::palette::Row_Colour(writers_[position].back()));
    case Qt::FontRole:
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    case Qt::TextAlignmentRole:
        return Qt::AlignCenter;
    default:
        return {};
    }
}

QVariant ArrayBytesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    // Positions are decimal, as the listener table's Position column writes them.
    return QString::number(orientation == Qt::Vertical ? section * Bytes_Per_Line : section);
}

} // namespace ui
