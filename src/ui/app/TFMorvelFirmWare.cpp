#include "ui/app/TFMorvelFirmWare.h"

#include "core/app/AppSettings.h"
#include "core/app/Application.h"
#include "core/app/NameLabels.h"
#include "core/common/ModelIdentity.h"
#include "core/lang/MainWindowTexts.h"
#include "core/lang/MakerSite.h"
#include "core/lang/VersionCheck.h"
#include "ui/app/TFNew_Project.h"
#include "ui/app/TFOpenConf.h"
#include "ui/ethercat/SaveESIFile.h"
#include "ui/ethercat/TFEtherCATSlave.h"
#include "ui/image/TFBoot.h"
#include "ui/image/UpdateDevice.h"
#include "ui/lang/BackgroundVersionCheck.h"
#include "ui/lang/TFAbout.h"
#include "ui/lang/TFSoftOptions.h"
#include "ui/mqtt/TFMQTT_Set_Topic.h"
#include "ui/mqtt/TFTopicTemplate.h"
#include "ui/nmea/ProfinetMap.h"
#include "ui/nmea/TFNMEA_0183_Set_Access.h"
#include "ui/nmea/TFNMEA_0183_Set_Access2.h"
#include "ui/params/TFParGen.h"
#include "ui/platform/MakerHosts.h"
#include "ui/platform/WebAddress.h"
#include "ui/profinet/SavePROFINETXML.h"
#include "ui/profinet/TFProfinetFileName.h"
#include "ui/report/CompareAction.h"
#include "ui/report/ReportAction.h"
#include "ui/report/ReportWindowTexts.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/Looks.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace ui {
namespace {

namespace main_window_text = cfg::main_window_text;

constexpr int client_width = 694;
constexpr int step_button_width = 170;
constexpr int step_column_left = 80;
constexpr int step_column_gap = 8;
constexpr int window_margin = 10;
constexpr int step_button_height = 36;
constexpr int create_bin_top = 332;

QLabel* bold_label(QWidget* parent, int left, int top) {
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->move(left, top);
    return label;
}

} // namespace

TFMorvelFirmWare::TFMorvelFirmWare(cfg::Application& app, cfg::HttpClient& http)
    : app_(app), http_(http), version_check_(new BackgroundVersionCheck(http, this)) {
    setObjectName("TFMorvelFirmWare");
    build_view();
    keep(this);

    new_project_ = keep(new TFNew_Project(app_, this));
    open_conf_ = keep(new TFOpenConf(app_, this));
    soft_options_ = keep(new TFSoftOptions(
        app_, http_, [this] { Change_Language(); }, this));
    about_ = keep(new TFAbout(app_, this));
    par_gen_ = keep(new TFParGen(app_, this));
    legacy_sentences_ = keep(new TFNMEA_0183_Set_Access(app_, this));
    profinet_file_name_ = keep(new TFProfinetFileName(app_, this));
    boot_ = keep(new TFBoot(app_, this));
    nmea_listener_ = keep(new TFNMEA_0183_Set_Access2(app_, this));
    mqtt_set_topic_ = keep(new TFMQTT_Set_Topic(app_, this));
    keep(mqtt_set_topic_->Form_Topic());
    ethercat_slave_ = keep(new TFEtherCATSlave(app_, this));

    connect(version_check_, &BackgroundVersionCheck::answered, this, &TFMorvelFirmWare::Version_Checked);
    timer_update_.setInterval(cfg::First_Version_Check_Delay_Ms);
    connect(&timer_update_, &QTimer::timeout, this,
            [this] { run_reported(this, [this] { Timer_UpdateTimer(); }); });
    switch_timer();

    Set_Lang();
}

TFMorvelFirmWare::~TFMorvelFirmWare() = default;

template <typename Dialog> Dialog* TFMorvelFirmWare::keep(Dialog* window) {
    windows_.push_back({window, window});
    return window;
}

std::vector<QWidget*> TFMorvelFirmWare::windows() const {
    std::vector<QWidget*> widgets;
    for (const Window& window : windows_)
        widgets.push_back(window.widget);
    return widgets;
}

QPushButton* TFMorvelFirmWare::step_button(const char* name, int left, int top, Button_Action action) {
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setGeometry(left, top, step_button_width, step_button_height);
    connect(button, &QPushButton::clicked, this,
            [this, action = std::move(action)] { run_reported(this, [&] { Btn_Click(action); }); });
    return button;
}

void TFMorvelFirmWare::build_view() {
    setWindowTitle(qt_text(cfg::App_Title));
    setWindowIcon(program_icon());
    // The window ends a margin below the line under the last step: the sibling models' steps 7 and 8
    // stay hidden here and take no room.
    setFixedSize(client_width, create_bin_top + 51 + 1 + window_margin);

    auto* code = new QLabel(qt_text(cfg::SW_Code), this);
    code->setObjectName("L_SW_Code");
    style_code_label(code);
    code->move(16, 8);
    auto* desc = new QLabel(qt_text(cfg::SW_Description), this);
    desc->setObjectName("L_SW_Desc");
    style_description_label(desc);
    desc->move(16, 42);

    L_Begin = bold_label(this, 16, 84);
    auto* shape2 = new QFrame(this);
    shape2->setFrameShape(QFrame::Box);
    shape2->setGeometry(80, 70, 348, 36);
    L_Name_Conf = new QLabel(this);
    L_Name_Conf->setObjectName("L_Name_Conf");
    L_Name_Conf->move(87, 75);
    L_Name_Conf_L2 = new QLabel(this);
    L_Name_Conf_L2->setObjectName("L_Name_Conf_L2");
    L_Name_Conf_L2->move(87, 88);
    for (QLabel* label : {L_Name_Conf, L_Name_Conf_L2}) {
        QFont font = label->font();
        font.setPointSize(8);
        label->setFont(font);
        label->setFixedWidth(334);
    }

    LL_Update = new QLabel(this);
    LL_Update->setObjectName("LL_Update");
    LL_Update->setTextFormat(Qt::RichText);
    LL_Update->move(208, 19);
    LL_Update->hide();
    connect(LL_Update, &QLabel::linkActivated, this, [](const QString& link) { open_web_address(link); });

    const auto icon_button = [this](const char* name, const QIcon& icon, int left,
                                    std::function<void()> run) {
        QPushButton* button = step_button(name, left, 8, {std::move(run), false});
        button->setFixedSize(50, 50);
        button->setIcon(icon);
        button->setIconSize(QSize(40, 40));
        button->setFlat(true);
        return button;
    };
    Btn_Info = icon_button("Btn_Info", information_icon(), 516, [this] { about_->exec(); });
    Btn_Opz = icon_button("Btn_Opz", options_icon(), 574, [this] { Show_Options(); });
    Btn_Close = icon_button("Btn_Close", close_icon(), 632, [this] { close(); });

    for (int n = 1; n <= 8; ++n) {
        const int top = n <= 6 ? 128 + 44 * (n - 1) : (n == 7 ? 392 : 436);
        QLabel* label = n <= 6 ? bold_label(this, 16, top) : new QLabel(this);
        label->setObjectName(QString("L_Step_%1").arg(n));
        label->move(16, top);
        label->setVisible(n <= 6);
        L_Step.push_back(label);
    }

    Btn_New = step_button("Btn_New", 80, 112, {[this] { Create_New_Project(); }, false});
    Btn_Open = step_button("Btn_Open", 258, 112, {[this] { Open_Project(); }, false});
    Btn_Prm_Gen = step_button("Btn_Prm_Gen", 80, 156, {[this] { par_gen_->exec(); }});
    Btn_NMEA0183_Access = step_button("Btn_NMEA0183_Access", 80, 200, {[this] { nmea_listener_->exec(); }});
    Btn_EtherCAT_Set_Access =
        step_button("Btn_EtherCAT_Set_Access", 80, 244, {[this] { ethercat_slave_->exec(); }});
    Btn_EtherCAT_ESI_File =
        step_button("Btn_EtherCAT_ESI_File", 80, 288, {[this] { Save_ESI_File(app_, this); }});
    Btn_CreateBin =
        step_button("Btn_CreateBin", 80, create_bin_top, {[this] { Update_Device(app_, *boot_, this); }});
    // The sibling models' steps keep their texts and actions, hidden in this model.
    Btn_PROFINET_XML = step_button("Btn_PROFINET_XML", 258, 156,
                                   {[this] { PROFINET_XML(app_, *profinet_file_name_, this); }});
    Btn_PROFINET_Map = step_button("Btn_PROFINET_Map", 258, 200, {[this] { PROFINET_Map(app_, this); }});
    Btn_MQTT_Set_Topic = step_button("Btn_MQTT_Set_Topic", 258, 244, {[this] { mqtt_set_topic_->exec(); }});
    for (QPushButton* hidden : {Btn_PROFINET_XML, Btn_PROFINET_Map, Btn_MQTT_Set_Topic})
        hidden->hide();
    // What the last steps make, for the record and for review, beside them.
    Btn_Report = step_button("Btn_Report", 258, 288, {[this] { Save_Report(app_, this); }});
    Btn_Compare = step_button("Btn_Compare", 258, create_bin_top, {[this] { Compare_With(app_, this); }});

    auto* shape1 = new QFrame(this);
    shape1->setFrameShape(QFrame::HLine);
    shape1->setGeometry(10, create_bin_top + 51, 674, 1);

    auto* web = new ClickableLabel(QString::fromStdString(maker_web_host()), this);
    web->setObjectName("L_Brimlow");
    style_description_label(web);
    web->setCursor(Qt::PointingHandCursor);
    // The address ends at the window's margin when it is longer than the room right of x = 565.
    web->adjustSize();
    web->move(std::min(565, client_width - 10 - web->width()), L_Step[5]->y());
    connect(web, &ClickableLabel::clicked, this,
            [] { open_web_address(QString::fromStdString(cfg::Home_Page_Address(maker_web_host()))); });
}

void TFMorvelFirmWare::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    L_Begin->setText(text_of(texts, main_window_text::Begin));
    for (int n = 1; n <= 8; ++n) {
        L_Step[static_cast<std::size_t>(n - 1)]->setText(
            text_of(texts, main_window_text::First_Step + n - 1));
        L_Step[static_cast<std::size_t>(n - 1)]->adjustSize();
    }
    L_Begin->adjustSize();
    Btn_Info->setToolTip(text_of(texts, main_window_text::Information_Hint));
    Btn_Opz->setToolTip(text_of(texts, main_window_text::Options_Hint));
    Btn_Close->setToolTip(text_of(texts, main_window_text::Close_Hint));
    set_button_texts(
        texts,
        {{Btn_New, main_window_text::New_Caption, main_window_text::New_Hint},
         {Btn_Open, main_window_text::Open_Caption, main_window_text::Open_Hint},
         {Btn_Prm_Gen, main_window_text::Parameters_Caption, main_window_text::Parameters_Hint},
         {Btn_NMEA0183_Access, main_window_text::Listener_Caption, main_window_text::Listener_Hint},
         {Btn_EtherCAT_Set_Access, main_window_text::EtherCAT_Caption, main_window_text::EtherCAT_Hint},
         {Btn_EtherCAT_ESI_File, main_window_text::ESI_Caption, main_window_text::ESI_Hint},
         {Btn_CreateBin, main_window_text::Update_Caption, main_window_text::Update_Hint},
         {Btn_PROFINET_XML, main_window_text::PROFINET_XML_Caption, main_window_text::PROFINET_XML_Hint},
         {Btn_PROFINET_Map, main_window_text::Objects_Map_Caption, main_window_text::Objects_Map_Hint},
         {Btn_MQTT_Set_Topic, main_window_text::Topics_Caption, main_window_text::Topics_Hint},
         {Btn_Report, report_text::Report_Caption, report_text::Report_Hint},
         {Btn_Compare, report_text::Compare_Caption, report_text::Compare_Hint}});
    LL_Update->setText(
        QString("<a href=\"%1\">%2</a>")
            .arg(QString::fromStdString(cfg::Download_Page_Address(maker_web_host())).toHtmlEscaped(),
                 text_of(texts, main_window_text::New_Version).toHtmlEscaped()));
    LL_Update->adjustSize();
    place_step_buttons();
    show_name_labels();
}

// The step buttons share one width: 170 px, or what the widest caption of the language needs. The
// second column follows the first, and the window widens when the two no longer fit.
void TFMorvelFirmWare::place_step_buttons() {
    const std::initializer_list<QPushButton*> first_column = {
        Btn_New,      Btn_Prm_Gen, Btn_NMEA0183_Access, Btn_EtherCAT_Set_Access, Btn_EtherCAT_ESI_File,
        Btn_CreateBin};
    const std::initializer_list<QPushButton*> second_column = {
        Btn_Open, Btn_PROFINET_XML, Btn_PROFINET_Map, Btn_MQTT_Set_Topic, Btn_Report, Btn_Compare};
    int width = step_button_width;
    for (const auto& column : {first_column, second_column})
        for (const QPushButton* button : column)
            width = std::max(width, button->sizeHint().width());
    for (QPushButton* button : first_column)
        button->setGeometry(step_column_left, button->y(), width, step_button_height);
    for (QPushButton* button : second_column)
        button->setGeometry(step_column_left + width + step_column_gap, button->y(), width,
                            step_button_height);
    const int right = step_column_left + 2 * width + step_column_gap + window_margin;
    setFixedSize(std::max(client_width, right), height());
}

void TFMorvelFirmWare::show_name_labels() {
    const cfg::Name_Labels labels = cfg::Configuration_Name_Labels(app_);
    L_Name_Conf->setText(QString::fromStdString(labels.L_Name_Conf));
    L_Name_Conf_L2->setText(QString::fromStdString(labels.L_Name_Conf_L2));
}

void TFMorvelFirmWare::Change_Language() {
    for (const Window& window : windows_)
        window.screen->Set_Lang();
}

// The steps that work on a configuration say so while none is open.
void TFMorvelFirmWare::Btn_Click(const Button_Action& action) {
    if (action.needs_configuration && !app_.has_active_configuration()) {
        MessageService::error(this, text_of(app_.Lang_Strings, main_window_text::Project_Not_Valid));
        return;
    }
    action.run();
}

void TFMorvelFirmWare::Create_New_Project() {
    if (new_project_->exec() == QDialog::Accepted)
        show_name_labels();
}

void TFMorvelFirmWare::Open_Project() {
    if (open_conf_->exec() == QDialog::Accepted) {
        cfg::Open_Project(app_, open_conf_->Name_Conf());
        show_name_labels();
    }
}

void TFMorvelFirmWare::Show_Options() {
    if (soft_options_->exec() != QDialog::Accepted)
        return;
    // The options count even when the settings file cannot be written.
    switch_timer();
    cfg::Save_Setting(app_);
}

// A running countdown goes on: switching the options on again does not push the next check back.
// The interval is left as it is: after the first check the timer keeps its two hours.
void TFMorvelFirmWare::switch_timer() {
    if (!cfg::Timer_Update_Enabled(app_.App_Settings))
        timer_update_.stop();
    else if (!timer_update_.isActive())
        timer_update_.start();
}

// The check runs in the background; the timer is armed again when it has answered.
void TFMorvelFirmWare::Timer_UpdateTimer() {
    timer_update_.stop();
    version_check_->start();
}

// The options may have been switched off while the check ran; then the timer stays off.
void TFMorvelFirmWare::Version_Checked(bool newer_version_available) {
    LL_Update->setVisible(newer_version_available);
    timer_update_.setInterval(cfg::Version_Check_Interval_Ms);
    if (cfg::Timer_Update_Enabled(app_.App_Settings))
        timer_update_.start();
}

void TFMorvelFirmWare::paintEvent(QPaintEvent*) {
    fill_background(this, QColor(0xf7, 0xf9, 0xfb));
}

void TFMorvelFirmWare::closeEvent(QCloseEvent* event) {
    // A settings file that cannot be written is reported; the program closes all the same.
    run_reported(this, [this] { cfg::Save_Setting(app_); });
    event->accept();
}

} // namespace ui
