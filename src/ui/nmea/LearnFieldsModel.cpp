#include "ui/nmea/LearnFieldsModel.h"

#include "core/nmea/SentenceCatalogue.h"
#include "ui/nmea/PreviewTexts.h"
#include "ui/widgets/Texts.h"

#include <algorithm>

namespace ui {
namespace {

using cfg::nmea::Listener_Column;

// The listener screen's headers, but for the sample.
int header_text(int column) {
    const auto listener = [](Listener_Column c) {
        return cfg::nmea::Listener_Columns()[static_cast<std::size_t>(c)].header_text;
    };
    switch (column) {
    case LearnFieldsModel::Sentence:
        return listener(Listener_Column::Sentence);
    case LearnFieldsModel::Index:
        return listener(Listener_Column::Index);
    case LearnFieldsModel::DataField:
        return listener(Listener_Column::DataField);
    case LearnFieldsModel::Number:
        return listener(Listener_Column::Number);
    case LearnFieldsModel::Position:
        return listener(Listener_Column::Position);
    default:
        return preview_text::Sample_Header;
    }
}

} // namespace

LearnFieldsModel::LearnFieldsModel(const cfg::Lang_Strings& texts,
                                   std::shared_ptr<const cfg::nmea::Listener_Table> table, QObject* parent)
    : QAbstractTableModel(parent), texts_(texts), table_(std::move(table)) {}

LearnFieldsModel::Key LearnFieldsModel::key_of(const cfg::preview::Seen_Field& field) {
    return {field.Ind_Sent, field.field_index, field.Index};
}

void LearnFieldsModel::setFields(std::vector<cfg::preview::Seen_Field> fields) {
    const bool same_fields = std::equal(fields.begin(), fields.end(), fields_.begin(), fields_.end(),
                                        [](const auto& a, const auto& b) { return key_of(a) == key_of(b); });
    if (same_fields) {
        fields_ = std::move(fields);
        propose();
        if (!fields_.empty())
            emit dataChanged(index(0, Sample), index(rowCount() - 1, Sample));
        return;
    }
    beginResetModel();
    fields_ = std::move(fields);
    propose();
    endResetModel();
}

void LearnFieldsModel::clear() {
    beginResetModel();
    fields_.clear();
    ticked_.clear();
    proposals_.clear();
    endResetModel();
}

void LearnFieldsModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, Column_Count - 1);
}

void LearnFieldsModel::propose() {
    std::vector<cfg::preview::Seen_Field> ticked;
    std::copy_if(fields_.begin(), fields_.end(), std::back_inserter(ticked),
                 [this](const auto& field) { return ticked_.contains(key_of(field)); });
    proposals_ = cfg::preview::Propose_Learned_Rows(*table_, ticked);
}

const cfg::preview::Learned_Row* LearnFieldsModel::proposal_of(const cfg::preview::Seen_Field& field) const {
    const auto found = std::find_if(proposals_.begin(), proposals_.end(), [&](const auto& row) {
        return row.Ind_Sent == field.Ind_Sent && row.field_index == field.field_index &&
               row.Index == field.Index;
    });
    return found == proposals_.end() ? nullptr : &*found;
}

int LearnFieldsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(fields_.size());
}

int LearnFieldsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Column_Count;
}

QVariant LearnFieldsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const cfg::preview::Seen_Field& field = fields_[static_cast<std::size_t>(index.row())];
    if (role == Qt::CheckStateRole && index.column() == Sentence)
        return ticked_.contains(key_of(field)) ? Qt::Checked : Qt::Unchecked;
    if (role != Qt::DisplayRole)
        return {};
    const cfg::preview::Learned_Row* proposal = proposal_of(field);
    switch (index.column()) {
    case Sentence:
        return qt_text(cfg::nmea::NMEA_Sentences[static_cast<std::size_t>(field.Ind_Sent)].Name);
    case Index:
        return field.Index > 0 ? QString::number(field.Index) : QString();
    case DataField:
        return qt_text(cfg::nmea::Find_Field(field.Ind_Sent, field.field_index)->Field);
    case Sample:
        return qt_text(field.sample);
    case Number:
        return proposal ? QString::number(proposal->row) : QString();
    case Position:
        return proposal ? QString::number(proposal->Position) : QString();
    default:
        return {};
    }
}

// A tick changes the proposals of every ticked field after it.
bool LearnFieldsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() != Sentence)
        return false;
    const Key key = key_of(fields_[static_cast<std::size_t>(index.row())]);
    if (static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked)
        ticked_.insert(key);
    else
        ticked_.erase(key);
    propose();
    emit dataChanged(this->index(index.row(), Sentence), this->index(index.row(), Sentence),
                     {Qt::CheckStateRole});
    emit dataChanged(this->index(0, Number), this->index(rowCount() - 1, Position));
    return true;
}

Qt::ItemFlags LearnFieldsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Sentence)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant LearnFieldsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Column_Count)
        return QAbstractTableModel::headerData(section, orientation, role);
    return text_of(texts_, header_text(section));
}

} // namespace ui
