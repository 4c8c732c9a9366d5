#pragma once

#include "core/lang/LangStrings.h"
#include "core/nmea/ListenerTable.h"
#include "core/preview/LearnedRows.h"

#include <QAbstractTableModel>

#include <memory>
#include <set>
#include <tuple>
#include <vector>

namespace ui {

// The fields a capture held, each with a sample and a tick; a ticked field shows the row and the
// position it would take in the listener table, as proposed after the table's last used row.
class LearnFieldsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Sentence, Index, DataField, Sample, Number, Position, Column_Count };

    LearnFieldsModel(const cfg::Lang_Strings& texts, std::shared_ptr<const cfg::nmea::Listener_Table> table,
                     QObject* parent);

    // The fields as the capture now holds them; the ticks stay with their fields.
    void setFields(std::vector<cfg::preview::Seen_Field> fields);
    // The ticked fields as rows of the listener table.
    const std::vector<cfg::preview::Learned_Row>& proposals() const { return proposals_; }
    std::size_t tickedCount() const { return ticked_.size(); }
    // After the table changed or a new capture started.
    void clear();
    void retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    using Key = std::tuple<int, int, int>; // sentence, field, Index
    static Key key_of(const cfg::preview::Seen_Field& field);
    void propose();
    const cfg::preview::Learned_Row* proposal_of(const cfg::preview::Seen_Field& field) const;

    const cfg::Lang_Strings& texts_;
    std::shared_ptr<const cfg::nmea::Listener_Table> table_; // shared with the listener screen
    std::vector<cfg::preview::Seen_Field> fields_;
    std::set<Key> ticked_;
    std::vector<cfg::preview::Learned_Row> proposals_;
};

} // namespace ui
