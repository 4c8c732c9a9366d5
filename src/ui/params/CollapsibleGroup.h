#pragma once

#include <QFrame>

class QToolButton;

namespace ui {

// A group of the parameter screen: a header with the caption and a collapse/expand chevron over a
// body whose controls sit at fixed places. Collapsed, only the header shows.
class CollapsibleGroup : public QFrame {
    Q_OBJECT
public:
    explicit CollapsibleGroup(QWidget* parent);

    static int headerHeight();

    QWidget* body() const { return body_; }
    QToolButton* header() const { return header_; }

    QString caption() const;
    void setCaption(const QString& caption);
    void setChevronHints(const QString& collapse, const QString& expand);

    // The height of the body below the header while the group is expanded.
    void setBodyHeight(int height);
    bool isExpanded() const { return expanded_; }
    void setExpanded(bool expanded);

private:
    void update_look();

    QToolButton* header_;
    QWidget* body_;
    int body_height_ = 0;
    bool expanded_ = true;
    QString collapse_hint_;
    QString expand_hint_;
};

} // namespace ui
