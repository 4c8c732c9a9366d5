#include "ui/lang/TFAbout.h"

#include "core/app/Application.h"
#include "core/common/ModelIdentity.h"
#include "core/lang/MakerSite.h"
#include "core/lang/OptionsTexts.h"
#include "ui/platform/MakerHosts.h"
#include "ui/platform/QtPath.h"
#include "ui/platform/WebAddress.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/Texts.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace ui {

TFAbout::TFAbout(const cfg::Application& app, QWidget* parent) : ScreenDialog(parent), app_(app) {
    setObjectName("TFAbout");
    setWindowTitle(qt_text(cfg::App_Title));

    const auto open_home_page = [] {
        open_web_address(QString::fromStdString(cfg::Home_Page_Address(maker_web_host())));
    };
    auto* logo = new ClickableLabel(this);
    logo->setObjectName("Image2");
    logo->setPixmap(program_icon().pixmap(48, 48));
    logo->setCursor(Qt::PointingHandCursor);
    connect(logo, &ClickableLabel::clicked, this, open_home_page);
    auto* web = new ClickableLabel(QString::fromStdString(maker_web_host()), this);
    web->setObjectName("Label4");
    web->setCursor(Qt::PointingHandCursor);
    connect(web, &ClickableLabel::clicked, this, open_home_page);

    const auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    auto* ok = new QPushButton("OK", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(2, 1);
    grid->addWidget(logo, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(label("Label1", "Software Morvel "), 0, 1);
    grid->addWidget(label("Label2", qt_text(cfg::SW_Description)), 0, 2);
    Label6 = label("Label6", QString());
    grid->addWidget(Label6, 1, 1);
    grid->addWidget(label("Label9", qt_text(cfg::SW_Code)), 1, 2);
    Label3 = label("Label3", QString());
    grid->addWidget(Label3, 2, 1);
    grid->addWidget(label("Label10", qt_text(cfg::Program_Version)), 2, 2);
    Label8 = label("Label8", QString());
    grid->addWidget(Label8, 3, 1);
    grid->addWidget(label("Label12", qt_text(cfg::Doc_Code)), 3, 2);
    // Wide enough for the whole title beside the window manager's buttons.
    constexpr int title_bar_buttons = 160;
    setSmallestFixedSize(std::max(425, fontMetrics().horizontalAdvance(windowTitle()) + title_bar_buttons),
                         148);
    L_Data_Folder = label("L_Data_Folder", QString());
    grid->addWidget(L_Data_Folder, 4, 1);
    // The folder a user looks for first when a configuration is to be copied or saved.
    L_Data_Folder_Path = label("L_Data_Folder_Path", qt_path(app_.Path_Data));
    L_Data_Folder_Path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(L_Data_Folder_Path, 4, 2);
    grid->addWidget(web, 5, 0, 1, 2);
    grid->addWidget(ok, 5, 2, Qt::AlignRight);
    Set_Lang();
}

void TFAbout::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    Label6->setText(text_of(texts, cfg::options_text::Software_Code));
    Label3->setText(text_of(texts, cfg::options_text::Version));
    Label8->setText(text_of(texts, cfg::options_text::Document_Code));
    L_Data_Folder->setText(text_of(texts, cfg::options_text::Data_Folder));
}

} // namespace ui
