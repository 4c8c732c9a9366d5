#include "ui/image/TFBoot.h"

#include "core/app/Application.h"
#include "core/app/CompileConfiguration.h"
#include "core/app/EsiStep.h"
#include "core/common/ComPorts.h"
#include "core/common/IpAddress.h"
#include "core/common/ModelIdentity.h"
#include "core/image/UpdateTexts.h"
#include "core/lang/UpdateDialogTexts.h"
#include "platform/IcmpEcho.h"
#include "platform/ProgramRunner.h"
#include "platform/WineLauncher.h"
#include "ui/image/UpdateRun.h"
#include "ui/image/UpdateStatus.h"
#include "ui/widgets/AddressDotJump.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/TableGridModel.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {
namespace {

using cfg::image::Update_Outcome;
namespace text = cfg::update_text;

constexpr int Client_Width = 449;

// Titles and serial-panel texts of each mode, by Form_Type.
struct Mode_Texts {
    int title;
    int description;
    int com_port_label;
    int com_port_hint;
    int com_list_hint;
};
constexpr Mode_Texts Serial_Texts{text::Serial_Title, text::Serial_Description, text::Com_Port_Label,
                                  text::Com_Port_Hint, text::Com_List_Hint};
constexpr Mode_Texts Ethernet_Texts{text::Ethernet_Title, text::Ethernet_Description, text::Com_Port_Label,
                                    text::Com_Port_Hint, text::Com_List_Hint};
constexpr Mode_Texts Usb_Texts{text::Usb_Title, text::Usb_Description, text::Usb_Port_Label,
                               text::Usb_Port_Hint, text::Usb_List_Hint};

const Mode_Texts& texts_of_mode(int Form_Type) {
    switch (Form_Type) {
    case TFBoot::Serial_Update:
        return Serial_Texts;
    case TFBoot::Usb_Update:
        return Usb_Texts;
    default:
        return Ethernet_Texts;
    }
}

template <typename T> T* named(const char* name, QWidget* parent) {
    auto* widget = new T(parent);
    widget->setObjectName(name);
    return widget;
}

QWidget* panel(const char* name, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

MessageIcon icon_of(Update_Outcome outcome) {
    switch (outcome) {
    case Update_Outcome::Updated:
    case Update_Outcome::Checked:
        return MessageIcon::Information;
    case Update_Outcome::Check_Faults:
    case Update_Outcome::Updater_Busy:
    case Update_Outcome::Files_Missing:
    case Update_Outcome::Device_Silent:
    case Update_Outcome::Updater_Still_Running:
        return MessageIcon::Warning;
    default:
        return MessageIcon::Error;
    }
}

} // namespace

struct TFBoot::Owned_Services {
    platform::IcmpEcho echo;
    platform::ProgramRunner ping;
    platform::ProgramRunner updater;
};

TFBoot::TFBoot(cfg::Application& app, QWidget* parent)
    : TFBoot(app, std::make_unique<Owned_Services>(), parent) {}

TFBoot::TFBoot(cfg::Application& app, std::unique_ptr<Owned_Services> owned, QWidget* parent)
    : TFBoot(app,
             Boot_Services{owned->echo, owned->ping, owned->updater, "/dev",
                           cfg::image::Updater_Wait_Limit_Ms, platform::Wine_Launcher()},
             parent) {
    owned_ = std::move(owned);
}

TFBoot::TFBoot(cfg::Application& app, const Boot_Services& services, QWidget* parent)
    : ScreenDialog(parent), app_(app), services_(services),
      run_(std::make_unique<UpdateRun>(
          cfg::image::Update_Services{services.echo, services.ping, services.updater,
                                      services.updater_wait_limit_ms, services.windows_launcher})),
      devices_(std::make_shared<cfg::Table>(1, 3)) {
    setObjectName("TFBoot");
    build_view();
    Set_Lang();
    connect_run();
}

// Out of line: Owned_Services is complete only here.
TFBoot::~TFBoot() = default;

void TFBoot::build_view() {
    title_ = new TitlePanel(qt_text(cfg::SW_Code), this);
    L_ESI_Notice = make_notice(this, "L_ESI_Notice");
    P_Eth_Search = build_search_panel();
    P_IP_Address = build_address_panel();
    P_Serial = build_serial_panel();
    P_Options = build_options_panel();
    status_ = new UpdateStatus(this);
    connect(status_, &UpdateStatus::changed, this, &TFBoot::fit_height);
    Btn_Update = dialog_button("Btn_Update", this);
    Btn_Cancel = dialog_button("Btn_Cancel", this);
    connect(Btn_Update, &QPushButton::clicked, this, &TFBoot::Btn_UpdateClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* body = new QVBoxLayout;
    for (QWidget* part : {static_cast<QWidget*>(L_ESI_Notice), P_Eth_Search, P_IP_Address, P_Serial,
                          P_Options, static_cast<QWidget*>(status_)})
        body->addWidget(part);
    lay_out_dialog(this, title_, body, {}, {Btn_Update, Btn_Cancel});

    setTabOrder(E_IP[0], E_IP[1]);
    setTabOrder(E_IP[1], E_IP[2]);
    setTabOrder(E_IP[2], E_IP[3]);
    setTabOrder(E_IP[3], CB_COM_Port);
    setTabOrder(CB_COM_Port, Btn_COM_List);
    setTabOrder(Btn_COM_List, CB_Update_Options);
    setTabOrder(CB_Update_Options, CB_Update_Option_Read_Back);
    setTabOrder(CB_Update_Option_Read_Back, CB_Check_Only);
    setTabOrder(CB_Check_Only, Btn_Update);
    setTabOrder(Btn_Update, Btn_Cancel);
}

// Device search has no behaviour in this model: the panel stays hidden.
QWidget* TFBoot::build_search_panel() {
    QWidget* frame = panel("P_Eth_Search", this);
    L_List_Devices = named<QLabel>("L_List_Devices", frame);
    Btn_Search = dialog_button("Btn_Search", frame);
    CB_Find_All_Brimlow = named<QCheckBox>("CB_Find_All_Brimlow", frame);
    ACG_List_Devices = new GridView([] { return false; }, [] { return false; }, frame);
    ACG_List_Devices->setObjectName("ACG_List_Devices");
    devices_->set_column_visible(0, false);
    devices_model_ = new TableGridModel(devices_, this);
    devices_model_->setEditableCell([](int, int) { return false; });
    ACG_List_Devices->setGridModel(devices_model_);
    ACG_List_Devices->setFixedHeight(96);

    auto* layout = new QGridLayout(frame);
    layout->addWidget(L_List_Devices, 0, 0);
    layout->addWidget(Btn_Search, 0, 1, Qt::AlignRight);
    layout->addWidget(ACG_List_Devices, 1, 0, 1, 2);
    layout->addWidget(CB_Find_All_Brimlow, 2, 0, 1, 2);
    frame->hide();
    return frame;
}

QWidget* TFBoot::build_address_panel() {
    QWidget* frame = panel("P_IP_Address", this);
    L_IP_Address = named<QLabel>("L_IP_Address", frame);
    auto* fields = new QHBoxLayout;
    for (std::size_t i = 0; i < E_IP.size(); ++i) {
        if (i > 0)
            fields->addWidget(new QLabel(".", frame));
        E_IP[i] = named<QLineEdit>(("E_IP" + std::to_string(i + 1)).c_str(), frame);
        E_IP[i]->setText("0");
        E_IP[i]->setFixedWidth(48);
        E_IP[i]->setAlignment(Qt::AlignCenter);
        fields->addWidget(E_IP[i]);
    }
    (new AddressDotJump(this))->chain({E_IP.begin(), E_IP.end()});
    fields->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(L_IP_Address);
    layout->addLayout(fields);
    return frame;
}

QWidget* TFBoot::build_serial_panel() {
    QWidget* frame = panel("P_Serial", this);
    L_COM_Port = named<QLabel>("L_COM_Port", frame);
    CB_COM_Port = named<QComboBox>("CB_COM_Port", frame);
    CB_COM_Port->setMinimumWidth(120);
    Btn_COM_List = dialog_button("Btn_COM_List", frame);
    connect(Btn_COM_List, &QPushButton::clicked, this, &TFBoot::Btn_COM_ListClick);
    auto* row = new QHBoxLayout;
    row->addWidget(CB_COM_Port);
    row->addWidget(Btn_COM_List);
    row->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(L_COM_Port);
    layout->addLayout(row);
    frame->hide();
    return frame;
}

QWidget* TFBoot::build_options_panel() {
    QWidget* frame = panel("P_Options", this);
    L_Update_Option = named<QLabel>("L_Update_Option", frame);
    CB_Update_Options = named<QComboBox>("CB_Update_Options", frame);
    CB_Update_Options->setMinimumWidth(200);
    CB_Update_Option_Read_Back = named<QCheckBox>("CB_Update_Option_Read_Back", frame);
    CB_Check_Only = named<QCheckBox>("CB_Check_Only", frame);
    auto* row = new QHBoxLayout;
    row->addWidget(CB_Update_Options);
    row->addSpacing(16);
    row->addWidget(CB_Update_Option_Read_Back);
    row->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(L_Update_Option);
    layout->addLayout(row);
    layout->addWidget(CB_Check_Only);
    return frame;
}

void TFBoot::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    const Mode_Texts& mode = texts_of_mode(Form_Type);
    setWindowTitle(text_of(texts, mode.title));
    title_->descriptionLabel()->setText(text_of(texts, mode.description));

    L_List_Devices->setText(text_of(texts, text::Devices_Label));
    Btn_Search->setText(text_of(texts, text::Search));
    Btn_Search->setToolTip(text_of(texts, text::Search_Hint));
    devices_->set_text(0, 1, texts[text::Address_Header]);
    devices_->set_text(0, 2, texts[text::Mac_Header]);
    devices_model_->tableChanged();
    emit devices_model_->headerDataChanged(Qt::Horizontal, 0, devices_->column_count() - 1);
    ACG_List_Devices->setToolTip(text_of(texts, text::Devices_Hint));
    CB_Find_All_Brimlow->setText(text_of(texts, text::Find_All));
    CB_Find_All_Brimlow->setToolTip(text_of(texts, text::Find_All_Hint));

    L_IP_Address->setText(text_of(texts, text::Address_Label));
    for (std::size_t i = 0; i < E_IP.size(); ++i)
        E_IP[i]->setToolTip(text_of(texts, text::First_Octet_Hint + static_cast<int>(i)));

    L_COM_Port->setText(text_of(texts, mode.com_port_label));
    CB_COM_Port->setToolTip(text_of(texts, mode.com_port_hint));
    Btn_COM_List->setToolTip(text_of(texts, mode.com_list_hint));

    L_Update_Option->setText(text_of(texts, text::Options_Label));
    CB_Update_Options->clear();
    CB_Update_Options->addItems({text_of(texts, text::Firmware_And_Configuration),
                                 text_of(texts, text::Firmware), text_of(texts, text::Configuration)});
    CB_Update_Options->setCurrentIndex(0);
    CB_Update_Options->setToolTip(text_of(texts, text::Options_Hint));
    CB_Update_Option_Read_Back->setText(text_of(texts, text::Read_Back));
    CB_Update_Option_Read_Back->setToolTip(text_of(texts, text::Read_Back_Hint));
    CB_Check_Only->setText(text_of(texts, text::Check_Only));
    CB_Check_Only->setToolTip(text_of(texts, text::Check_Only_Hint));

    Btn_Cancel->setText(text_of(texts, text::Cancel));
    Btn_Cancel->setToolTip(text_of(texts, text::Cancel_Hint));
    Btn_Update->setText(text_of(texts, text::Update));
    Btn_Update->setToolTip(text_of(texts, text::Update_Hint));
}

void TFBoot::opened() {
    FormShow();
}

void TFBoot::FormShow() {
    Set_Lang();
    title_->codeLabel()->setText(qt_text(cfg::SW_Code));

    const bool ethernet = Form_Type == Ethernet_Update;
    P_Eth_Search->hide();
    P_IP_Address->setVisible(ethernet);
    P_Serial->setVisible(!ethernet);
    // The style decodes its icon from pictures, a cost worth paying only when the serial update
    // takes the place of this model's Ethernet one.
    if (!ethernet && Btn_COM_List->icon().isNull())
        Btn_COM_List->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    L_ESI_Notice->hide();
    if (ethernet)
        show_esi_notice();
    // What a late updater came to while the dialog was closed stays until it is read; an earlier
    // outcome goes.
    if (!updater_running() && !late_outcome_unread_)
        status_->clear();
    late_outcome_unread_ = false;
    Btn_Update->setEnabled(!updater_running());
    fit_height();

    if (ethernet) {
        const cfg::IpAddressCheck last = cfg::Check_IP_Address(app_.App_Settings.Last_IP_Address);
        if (last.valid)
            for (std::size_t i = 0; i < E_IP.size(); ++i)
                E_IP[i]->setText(QString::fromStdString(last.parts[i]));
    } else {
        Btn_COM_ListClick();
    }

    CB_Update_Options->setCurrentIndex(Update_Option_Index);
    CB_Update_Option_Read_Back->setChecked(Update_Read_Back);
    if (ethernet)
        E_IP[0]->setFocus();
    else
        CB_COM_Port->setFocus();
}

void TFBoot::Btn_COM_ListClick() {
    CB_COM_Port->clear();
    for (const std::string& number : cfg::List_COM_Ports(services_.serial_devices))
        CB_COM_Port->addItem(QString::fromStdString("COM" + number));
    CB_COM_Port->setCurrentIndex(CB_COM_Port->count() > 0 ? 0 : -1);
}

std::string TFBoot::typed_address() const {
    std::array<std::string, 4> fields;
    for (std::size_t i = 0; i < E_IP.size(); ++i)
        fields[i] = E_IP[i]->text().toStdString();
    return cfg::image::Device_Address(fields);
}

// Heights follow the notice and the status, which come and go and wrap; the width stays, unless
// the captions of a language need more.
void TFBoot::fit_height() {
    layout()->invalidate();
    layout()->activate();
    const int width = std::max(Client_Width, layout()->totalMinimumSize().width());
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                     : layout()->totalSizeHint().height();
    setFixedSize(width, height);
}

// The master reads the process image from the ESI file it imported: before anything is sent, the
// dialog says when that file describes another one than the banks just compiled.
void TFBoot::show_esi_notice() {
    const std::optional<std::string> warning = cfg::ethercat::ESI_Step_Warning(app_);
    if (!warning)
        return;
    show_notice(L_ESI_Notice, qt_text(*warning));
}

bool TFBoot::updater_running() const {
    return run_->updater_running();
}

void TFBoot::connect_run() {
    connect(run_.get(), &UpdateRun::progressed, this, [this](const cfg::image::Update_Progress& progress) {
        status_->show_progress(app_.Lang_Strings, progress);
    });
    connect(run_.get(), &UpdateRun::deviceAnswered, this, [this](const cfg::image::Update_Request& tested) {
        ping_res = cfg::image::Ping_Answered;
        app_.App_Settings.Last_IP_Address = tested.address;
        remember(tested);
    });
    connect(run_.get(), &UpdateRun::finished, this, &TFBoot::show_outcome);
    connect(run_.get(), &UpdateRun::failed, this, &TFBoot::show_failure);
    connect(run_.get(), &UpdateRun::lateUpdaterEnded, this, &TFBoot::show_late_outcome);
}

void TFBoot::Btn_UpdateClick() {
    // Read once: what is tested is what the job names and what is remembered.
    const cfg::image::Update_Request request{typed_address(), CB_Update_Options->currentIndex(),
                                             CB_Update_Option_Read_Back->isChecked(),
                                             CB_Check_Only->isChecked()};
    if (Form_Type != Ethernet_Update) {
        // Over a serial line or USB only the choices are remembered; no job is written for them.
        remember(request);
        return;
    }
    if (run_->start(request, cfg::image::Job_Folders(app_)))
        lock_controls(true);
}

void TFBoot::reject() {
    if (run_->give_up())
        ScreenDialog::reject();
}

// While the update runs the window paints and shows what it does, and takes no input but the close
// box; the update button stays off while a late updater runs.
void TFBoot::lock_controls(bool locked) {
    for (QWidget* control : {P_IP_Address, P_Serial, P_Options, static_cast<QWidget*>(Btn_Cancel)})
        control->setEnabled(!locked);
    Btn_Update->setEnabled(!locked && !updater_running());
}

void TFBoot::remember(const cfg::image::Update_Request& request) {
    Update_Option_Index = request.option;
    Update_Read_Back = request.read_back;
}

void TFBoot::show_outcome(const cfg::image::Update_Result& result) {
    ping_res = result.ping_res;
    // Closed during the test: the user gave the update up.
    if (result.outcome == Update_Outcome::Given_Up) {
        status_->clear();
    } else {
        const QString message = qt_text(cfg::image::Update_Message(app_.Lang_Strings, result));
        status_->show_message(message);
        MessageService::show(this, icon_of(result.outcome), message);
    }
    lock_controls(false);
}

// A failure the update raised goes to the general error report.
void TFBoot::show_failure(const std::exception_ptr& error) {
    lock_controls(false);
    run_reported(this, [&error] { std::rethrow_exception(error); });
    status_->clear();
}

// An updater that outlived the wait has ended: the dialog says how, even when it is closed.
void TFBoot::show_late_outcome(const cfg::image::Update_Result& result) {
    late_outcome_unread_ = !isVisible();
    status_->show_message(qt_text(cfg::image::Update_Message(app_.Lang_Strings, result)));
    Btn_Update->setEnabled(!run_->running());
}

} // namespace ui
