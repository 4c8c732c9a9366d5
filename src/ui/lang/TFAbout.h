#pragma once

#include "ui/widgets/ScreenDialog.h"

class QLabel;

namespace cfg {
struct Application;
}

namespace ui {

// The About box: the software's identity, with fixed captions, and the data folder in use, whose
// caption comes from the catalogue.
class TFAbout : public ScreenDialog {
    Q_OBJECT
public:
    TFAbout(const cfg::Application& app, QWidget* parent);

    void Set_Lang() override;

private:
    const cfg::Application& app_;
    QLabel* L_Data_Folder = nullptr;
    QLabel* L_Data_Folder_Path = nullptr;
};

} // namespace ui
