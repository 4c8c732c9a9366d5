#pragma once

#include "ui/widgets/ScreenDialog.h"

class QLabel;

namespace cfg {
struct Application;
}

namespace ui {

// The About box: the software's identity and the data folder in use, with captions from the
// catalogue.
class TFAbout : public ScreenDialog {
    Q_OBJECT
public:
    TFAbout(const cfg::Application& app, QWidget* parent);

    void Set_Lang() override;

private:
    const cfg::Application& app_;
    QLabel* Label6 = nullptr; // the captions of the software code, version and document code
    QLabel* Label3 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* L_Data_Folder = nullptr;
    QLabel* L_Data_Folder_Path = nullptr;
};

} // namespace ui
