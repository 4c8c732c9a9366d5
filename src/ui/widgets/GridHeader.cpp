#include "ui/widgets/GridHeader.h"

#include <QHelpEvent>
#include <QToolTip>

namespace ui {

GridHeader::GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
}

bool GridHeader::isCaptionCut(int section) const {
    return sectionSize(section) < sectionSizeFromContents(section).width();
}

void GridHeader::fitSectionsToCaptions() {
    for (int section = 0; section < count(); ++section)
        if (!isSectionHidden(section) && isCaptionCut(section))
            resizeSection(section, sectionSizeFromContents(section).width());
}

bool GridHeader::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !model())
        return QHeaderView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int section = logicalIndexAt(help->pos());
    if (section < 0)
        return QHeaderView::viewportEvent(event);
    QStringList parts;
    if (isCaptionCut(section))
        parts.append(model()->headerData(section, orientation(), Qt::DisplayRole).toString());
    if (const QString hint = model()->headerData(section, orientation(), Qt::ToolTipRole).toString();
        !hint.isEmpty())
        parts.append(hint);
    if (parts.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), parts.join('\n'), this);
    return true;
}

} // namespace ui
