#pragma once

#include "core/lang/LangStrings.h"
#include "core/preview/PreviewSession.h"

#include <QAbstractTableModel>

#include <memory>

#include <vector>

namespace ui {

// The converter's data array as lines of sixteen bytes in hexadecimal, each line headed by the
// position of its first byte. A byte a row writes takes the row's colour of the byte map, and its
// hint names the rows.
class ArrayBytesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Bytes_Per_Line = 16;

    ArrayBytesModel(const cfg::Lang_Strings& texts, QObject* parent);

    void setSession(std::shared_ptr<const cfg::preview::Preview_Session> session);
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString hint(std::size_t position) const;

    const cfg::Lang_Strings& texts_;
    // Shared, so the order in which Qt deletes the window's parts never leaves it dangling.
    std::shared_ptr<const cfg::preview::Preview_Session> session_;
    std::vector<std::vector<int>> writers_; // by byte: the listener rows whose field covers it
};

} // namespace ui
