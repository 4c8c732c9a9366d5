#pragma once

#include <QHeaderView>

namespace ui {

// The column header of the table screens. A column is never narrower than its caption when it is
// sized (fitSectionsToCaptions); a caption cut all the same (a column the user narrowed) shows
// whole in the tool tip, above the column's hint.
class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit GridHeader(QWidget* parent);

    // Widens every visible section that is narrower than its caption.
    void fitSectionsToCaptions();
    // Whether the section is narrower than its caption needs.
    bool isCaptionCut(int section) const;

protected:
    bool viewportEvent(QEvent* event) override;
};

} // namespace ui
