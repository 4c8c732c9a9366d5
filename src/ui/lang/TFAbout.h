#pragma once

#include <QDialog>

namespace ui {

// The About box: the software's identity. Its captions are fixed, not taken from the catalogue.
class TFAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFAbout(QWidget* parent);
};

} // namespace ui
