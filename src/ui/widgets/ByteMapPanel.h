#pragma once

#include "core/bytemap/ByteMapBuilder.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace cfg {
struct Application;
}

namespace ui {

class ByteMapView;

// The byte map under a screen's tables: the map in a scroll area, a note when the other screen's
// file could not be read, and the button that exports the map. The screen keeps its own lane
// current as its rows change; the other lane comes from the other screen's file at each opening.
// Texts are the screen's, from first_text on (see Map_Screen_Text).
class ByteMapPanel : public QWidget {
    Q_OBJECT
public:
    ByteMapPanel(cfg::Application& app, cfg::bytemap::Map_Lane own_lane, int first_text, QWidget* parent);

    void Set_Lang();
    void setFields(std::vector<cfg::nmea::Array_Field> fields);
    void setImage(cfg::ethercat::Process_Image image);
    // Runs read, which sets the other lane; when it fails, that lane stays empty and the note says why.
    void readOtherLane(const std::function<void()>& read);

signals:
    void rowClicked(int row);

private:
    void rebuild();
    QString text(int offset) const;

    cfg::Application& app_;
    cfg::bytemap::Map_Lane own_lane_;
    int first_text_;
    cfg::bytemap::Map_Content content_;
    QLabel* note_;
    ByteMapView* view_;
    QPushButton* Btn_ExportMap;
};

} // namespace ui
