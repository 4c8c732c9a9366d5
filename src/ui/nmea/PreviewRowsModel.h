#pragma once

#include "core/common/ColumnDescription.h"
#include "core/lang/LangStrings.h"
#include "core/preview/PreviewSession.h"

#include <QAbstractTableModel>

#include <memory>

namespace ui {

// The rows of a preview: what each listener row takes, and the text, value and bytes it last stored.
class PreviewRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Number,
        Sentence,
        Index,
        DataField,
        PostOperation,
        SwapAll,
        Swap16,
        Position,
        Received,
        Value,
        Bytes,
        State,
        Column_Count
    };

    PreviewRowsModel(const cfg::Lang_Strings& texts, QObject* parent);

    // The listener screen's column a column shows; null for the preview's own.
    static const cfg::Column_Description* listenerColumn(int column);

    // A new session, or none.
    void setSession(std::shared_ptr<const cfg::preview::Preview_Session> session);
    // After the session took lines.
    void refresh();
    // After a change of language.
    void retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(int column, std::size_t row) const;

    const cfg::Lang_Strings& texts_;
    // Shared, so the order in which Qt deletes the window's parts never leaves it dangling.
    std::shared_ptr<const cfg::preview::Preview_Session> session_;
};

} // namespace ui
