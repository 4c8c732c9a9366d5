#include "ui/nmea/TFNMEA_0183_Preview.h"

#include "core/app/Application.h"
#include "core/common/ModelIdentity.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/params/ParGenFile.h"
#include "core/params/SerialChoices.h"
#include "core/preview/DeviceRows.h"
#include "ui/nmea/ArrayBytesModel.h"
#include "ui/nmea/LearnFieldsModel.h"
#include "ui/nmea/LogPlayer.h"
#include "ui/nmea/PreviewRowsModel.h"
#include "ui/nmea/PreviewTexts.h"
#include "ui/nmea/SerialListener.h"
#include "ui/platform/QtPath.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/FileDialogService.h"
#include "ui/widgets/GridHeader.h"
#include "ui/widgets/Looks.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <span>

namespace ui {
namespace {

namespace T = preview_text;

constexpr int Fast_Pace = 1; // the item of CB_Pace that plays as fast as possible

QComboBox* choices(const char* name, std::span<const std::string_view> items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (const std::string_view item : items)
        combo->addItem(qt_text(item));
    return combo;
}

QLabel* label(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QTableView* table_view(const char* name, QAbstractItemModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setHorizontalHeader(new GridHeader(view));
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    return view;
}

} // namespace

TFNMEA_0183_Preview::TFNMEA_0183_Preview(cfg::Application& app,
                                         std::shared_ptr<const cfg::nmea::Listener_Table> table,
                                         Add_Rows add_rows, QWidget* parent)
    : ScreenDialog(parent), app_(app), table_(std::move(table)), add_rows_(std::move(add_rows)),
      player_(
          new LogPlayer([this](std::string_view line, bool cut) { session_->Take_Line(line, cut); }, this)),
      listener_(new SerialListener(
          [this](std::string_view line, bool cut) { session_->Take_Line(line, cut); }, this)),
      rows_model_(new PreviewRowsModel(app.Lang_Strings, this)),
      array_model_(new ArrayBytesModel(app.Lang_Strings, this)),
      learn_model_(new LearnFieldsModel(app.Lang_Strings, table_, this)),
      title_(new TitlePanel(qt_text(cfg::SW_Code), this)), L_Log(label("L_Log", this)),
      L_LogFile(label("L_LogFile", this)), Btn_OpenLog(dialog_button("Btn_OpenLog", this)),
      CB_Pace(new QComboBox(this)), Btn_Play(dialog_button("Btn_Play", this)),
      Btn_Pause(dialog_button("Btn_Pause", this)), Btn_Stop(dialog_button("Btn_Stop", this)),
      L_Port(label("L_Port", this)), CB_Port(new QComboBox(this)), L_Baud(label("L_Baud", this)),
      CB_Baud(choices("CB_Baud", cfg::Baud_Texts, this)), L_Parity(label("L_Parity", this)),
      CB_Parity(choices("CB_Parity", cfg::Parity_Texts, this)), L_StopBits(label("L_StopBits", this)),
      CB_StopBits(choices("CB_StopBits", cfg::StopBits_Texts, this)),
      Btn_OpenPort(dialog_button("Btn_OpenPort", this)), L_Counts(label("L_Counts", this)),
      L_Status(label("L_Status", this)), L_NoRows(label("L_NoRows", this)), TS_Views(new QTabWidget(this)),
      ASG_Rows(table_view("ASG_Rows", rows_model_, this)),
      ASG_Array(table_view("ASG_Array", array_model_, this)), L_Learn(label("L_Learn", this)),
      L_Seen(label("L_Seen", this)), ASG_Learn(table_view("ASG_Learn", learn_model_, this)),
      Btn_AddRows(dialog_button("Btn_AddRows", this)), Btn_Close(dialog_button("Btn_Close", this)) {
    setObjectName("TFNMEA_0183_Preview");
    resize(1100, 700);
    set_up_controls();
    lay_out();
    connect_actions();
    session_ = std::make_shared<cfg::preview::Preview_Session>(std::vector<cfg::image::Listener_Image_Row>{});
    Set_Lang();
}

void TFNMEA_0183_Preview::set_up_controls() {
    CB_Pace->setObjectName("CB_Pace");
    CB_Pace->addItems({QString(), QString()});
    // Its items come in the language of the day: the list keeps room for the longest.
    CB_Pace->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    CB_Port->setObjectName("CB_Port");
    CB_Port->setEditable(true);
    CB_Port->setMinimumContentsLength(16);
    TS_Views->setObjectName("TS_Views");
    L_LogFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    L_Status->setWordWrap(true);
    L_NoRows->setWordWrap(true);
    L_NoRows->setMargin(4);
    paint_as_warning(L_NoRows);
    L_NoRows->hide();
    L_Seen->setWordWrap(true);
    ASG_Rows->verticalHeader()->hide(); // the rows show their own numbers
    ASG_Learn->verticalHeader()->hide();
    ASG_Rows->horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < PreviewRowsModel::Column_Count; ++column)
        if (const cfg::Column_Description* listener = PreviewRowsModel::listenerColumn(column))
            ASG_Rows->setColumnWidth(column, listener->width);
    ASG_Array->horizontalHeader()->setDefaultSectionSize(ASG_Array->fontMetrics().horizontalAdvance("0000"));
    ASG_Learn->setColumnWidth(LearnFieldsModel::DataField, 320);
    ASG_Learn->horizontalHeader()->setStretchLastSection(true);
}

QWidget* TFNMEA_0183_Preview::build_learn_page() {
    auto* learn_page = new QWidget;
    learn_page->setObjectName("TS_Learn");
    auto* learn_buttons = new QHBoxLayout;
    learn_buttons->addStretch();
    learn_buttons->addWidget(Btn_AddRows);
    auto* learn_layout = new QVBoxLayout(learn_page);
    learn_layout->addWidget(L_Learn);
    learn_layout->addWidget(L_Seen);
    learn_layout->addWidget(ASG_Learn, 1);
    learn_layout->addLayout(learn_buttons);
    return learn_page;
}

void TFNMEA_0183_Preview::lay_out() {
    auto* log_row = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{L_Log, Btn_OpenLog, L_LogFile, CB_Pace, Btn_Play,
                                                           Btn_Pause, Btn_Stop})
        log_row->addWidget(widget, widget == L_LogFile ? 1 : 0);
    auto* port_row = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{L_Port, CB_Port, L_Baud, CB_Baud, L_Parity,
                                                           CB_Parity, L_StopBits, CB_StopBits, Btn_OpenPort})
        port_row->addWidget(widget);
    port_row->addStretch();

    QWidget* learn_page = build_learn_page();
    TS_Views->addTab(ASG_Rows, QString());
    TS_Views->addTab(ASG_Array, QString());
    TS_Views->addTab(learn_page, QString());

    auto* body = new QVBoxLayout;
    body->addLayout(log_row);
    body->addLayout(port_row);
    body->addWidget(L_NoRows);
    body->addWidget(L_Counts);
    body->addWidget(L_Status);
    body->addWidget(TS_Views, 1);
    lay_out_dialog(this, title_, body, {}, {Btn_Close});
}

void TFNMEA_0183_Preview::connect_actions() {
    // Every action runs through the general error report.
    const auto on_click = [this](QPushButton* button, void (TFNMEA_0183_Preview::*action)()) {
        connect(button, &QPushButton::clicked, this,
                [this, action] { run_reported(this, [this, action] { (this->*action)(); }); });
    };
    on_click(Btn_OpenLog, &TFNMEA_0183_Preview::Btn_OpenLogClick);
    on_click(Btn_Play, &TFNMEA_0183_Preview::Btn_PlayClick);
    on_click(Btn_Pause, &TFNMEA_0183_Preview::Btn_PauseClick);
    on_click(Btn_Stop, &TFNMEA_0183_Preview::Btn_StopClick);
    on_click(Btn_OpenPort, &TFNMEA_0183_Preview::Btn_OpenPortClick);
    on_click(Btn_AddRows, &TFNMEA_0183_Preview::Btn_AddRowsClick);
    connect(Btn_Close, &QPushButton::clicked, this, &TFNMEA_0183_Preview::reject);
    connect(player_, &LogPlayer::advanced, this, &TFNMEA_0183_Preview::show_progress);
    connect(player_, &LogPlayer::finished, this, [this] {
        activity_ = Activity::End_Of_Log;
        show_state();
    });
    connect(player_, &LogPlayer::failed, this,
            [this](const QString& reason) { fail(Activity::Log_Unread, reason); });
    connect(listener_, &SerialListener::advanced, this, &TFNMEA_0183_Preview::show_progress);
    connect(listener_, &SerialListener::failed, this,
            [this](const QString& reason) { fail(Activity::Port_Stopped, reason); });
}

TFNMEA_0183_Preview::~TFNMEA_0183_Preview() = default;

QString TFNMEA_0183_Preview::text(int index) const {
    return text_of(app_.Lang_Strings, index);
}

void TFNMEA_0183_Preview::Set_Lang() {
    setWindowTitle(text(T::Title));
    title_->descriptionLabel()->setText(text(T::Description));
    set_button_texts(app_.Lang_Strings, {{Btn_OpenLog, T::Open_Log, T::Open_Log_Hint},
                                         {Btn_Play, T::Play, T::Play_Hint},
                                         {Btn_Stop, T::Stop, T::Stop_Hint},
                                         {Btn_OpenPort, T::Open_Port, T::Open_Port_Hint},
                                         {Btn_AddRows, T::Add_Rows, T::Add_Rows_Hint},
                                         {Btn_Close, T::Close, T::Close_Hint}});
    Btn_Pause->setToolTip(text(T::Pause_Hint));
    CB_Pace->setItemText(0, text(T::Own_Pace));
    CB_Pace->setItemText(Fast_Pace, text(T::Fast));
    CB_Pace->setToolTip(text(T::Pace_Hint));
    L_Log->setText(text(T::Log_Label));
    L_Port->setText(text(T::Port_Label));
    CB_Port->setToolTip(text(T::Port_Hint));
    L_Baud->setText(text(T::Baud_Label));
    L_Parity->setText(text(T::Parity_Label));
    L_StopBits->setText(text(T::Stop_Bits_Label));
    for (QComboBox* setting : {CB_Baud, CB_Parity, CB_StopBits})
        setting->setToolTip(text(T::Settings_Hint));
    L_NoRows->setText(text(T::No_Rows));
    L_Learn->setText(text(T::Learn_Note));
    TS_Views->setTabText(0, text(T::Rows_Tab));
    TS_Views->setTabText(1, text(T::Array_Tab));
    TS_Views->setTabText(2, text(T::Learn_Tab));
    ASG_Rows->setToolTip(text(T::Rows_Hint));
    ASG_Array->setToolTip(text(T::Array_Hint));
    ASG_Learn->setToolTip(text(T::Learn_Hint));
    rows_model_->retranslate();
    learn_model_->retranslate();
    show_progress();
    // Captions in another language may need wider columns.
    for (QTableView* view : {ASG_Rows, ASG_Learn})
        static_cast<GridHeader*>(view->horizontalHeader())->fitSectionsToCaptions();
}

// Each opening starts afresh from the table as it stands, with the port set as the configuration sets
// it; the port's name stays as the user last chose it.
void TFNMEA_0183_Preview::opened() {
    stop_sources();
    const QString typed_port = CB_Port->currentText();
    CB_Port->clear();
    CB_Port->addItems(SerialListener::port_names());
    if (!typed_port.isEmpty())
        CB_Port->setEditText(typed_port);
    activity_ = Activity::Idle;
    run_reported(this, [this] {
        read_port_settings();
        start_session();
    });
    show_state();
}

void TFNMEA_0183_Preview::read_port_settings() {
    const cfg::ParGen_Set pargen = cfg::Load_ParGen(app_.File_ParGen);
    CB_Baud->setCurrentIndex(cfg::Baud_to_Index(pargen.RS232_BAUDRATE));
    CB_Parity->setCurrentIndex(cfg::Parity_to_Index(pargen.RS232_PARITY));
    CB_StopBits->setCurrentIndex(cfg::StopBits_to_Index(pargen.RS232_STOP_BITS));
}

// A new run: the rows the device would be given by the table as it stands, and nothing received.
// When the rows cannot be made (an unreadable ParGen.xml), the run before stays shown.
void TFNMEA_0183_Preview::start_session() {
    session_ = std::make_shared<cfg::preview::Preview_Session>(
        cfg::preview::Table_Device_Rows(app_.File_ParGen, *table_));
    learn_model_->clear();
    rows_model_->setSession(session_);
    array_model_->setSession(session_);
    ASG_Rows->resizeColumnToContents(PreviewRowsModel::DataField);
}

void TFNMEA_0183_Preview::stop_sources() {
    player_->stop();
    listener_->close();
}

void TFNMEA_0183_Preview::done(int result) {
    stop_sources();
    ScreenDialog::done(result);
}

void TFNMEA_0183_Preview::Btn_OpenLogClick() {
    const QString file = FileDialogService::getOpenFileName(this, text(T::Open_Log_Hint),
                                                            qt_path(app_.Path_Project), text(T::Log_Filter));
    if (file.isEmpty())
        return;
    log_file_ = file;
    L_LogFile->setText(QDir::toNativeSeparators(file));
    Btn_PlayClick();
}

void TFNMEA_0183_Preview::Btn_PlayClick() {
    if (log_file_.isEmpty())
        return;
    stop_sources();
    start_session();
    QString reason;
    if (!player_->start(log_file_, CB_Pace->currentIndex() == Fast_Pace, reason)) {
        fail(Activity::Log_Unread, reason);
        return;
    }
    activity_ = Activity::Playing;
    show_state();
}

void TFNMEA_0183_Preview::Btn_PauseClick() {
    if (player_->isPlaying()) {
        player_->pause();
        activity_ = Activity::Paused;
    } else if (player_->isPaused()) {
        player_->resume();
        activity_ = Activity::Playing;
    }
    show_state();
}

// What was received stays shown.
void TFNMEA_0183_Preview::Btn_StopClick() {
    if (player_->isPlaying() || player_->isPaused())
        activity_ = Activity::Stopped;
    else if (listener_->isOpen())
        activity_ = Activity::Port_Closed;
    stop_sources();
    show_state();
}

void TFNMEA_0183_Preview::Btn_OpenPortClick() {
    stop_sources();
    start_session();
    port_name_ = CB_Port->currentText().trimmed();
    if (!SerialListener::can_open_ports()) {
        fail(Activity::Port_Unopened, text(T::No_Serial_Ports));
        return;
    }
    QString reason;
    if (!listener_->open(
            {port_name_, CB_Baud->currentIndex(), CB_Parity->currentIndex(), CB_StopBits->currentIndex()},
            reason)) {
        fail(Activity::Port_Unopened, reason);
        return;
    }
    activity_ = Activity::Listening;
    show_state();
}

// The rows go into the listener screen's table, not into its file: that screen's OK checks and saves.
void TFNMEA_0183_Preview::Btn_AddRowsClick() {
    const std::vector<cfg::preview::Learned_Row>& rows = learn_model_->proposals();
    if (rows.empty()) {
        MessageService::show(this, MessageIcon::Information, text(T::Nothing_Ticked));
        return;
    }
    if (!add_rows_(rows)) {
        const int room = std::max(0, cfg::nmea::Listener_Row_Count - rows.front().row + 1);
        MessageService::show(this, MessageIcon::Warning,
                             text(T::Room_For) + QString::number(room) + text(T::More_Rows) +
                                 QString::number(rows.size()));
        return;
    }
    const QString span =
        rows.size() == 1 ? QString::number(rows.front().row)
                         : QString::number(rows.front().row) + text(T::To) + QString::number(rows.back().row);
    MessageService::show(this, MessageIcon::Information, text(T::Rows_Added) + span + text(T::Save_With_Ok));
    accept();
}

void TFNMEA_0183_Preview::fail(Activity activity, const QString& reason) {
    stop_sources();
    activity_ = activity;
    reason_ = reason;
    show_state();
    MessageService::error(this, status_text());
}

// After lines were taken: every view follows.
void TFNMEA_0183_Preview::show_progress() {
    rows_model_->refresh();
    array_model_->refresh();
    learn_model_->setFields(cfg::preview::Fields_That_Held_Values(session_->survey()));
    L_Counts->setText(counts_text());
    L_Seen->setText(sentences_text());
    L_Status->setText(status_text());
}

void TFNMEA_0183_Preview::show_state() {
    L_NoRows->setVisible(session_->model().rows().empty());
    Btn_Play->setEnabled(!log_file_.isEmpty());
    Btn_Pause->setEnabled(player_->isPlaying() || player_->isPaused());
    set_button_texts(app_.Lang_Strings,
                     {{Btn_Pause, activity_ == Activity::Paused ? T::Resume : T::Pause, T::Pause_Hint}});
    Btn_Stop->setEnabled(player_->isPlaying() || player_->isPaused() || listener_->isOpen());
    show_progress();
}

QString TFNMEA_0183_Preview::status_text() const {
    return Activity_Text(app_.Lang_Strings, activity_,
                         {log_file_, port_name_, reason_, session_->summary().sentences});
}

QString TFNMEA_0183_Preview::counts_text() const {
    const cfg::nmea::Log_Summary& summary = session_->summary();
    return text(T::Sentences_Count) + QString::number(summary.sentences) + text(T::Checksum_Count) +
           QString::number(summary.bad_checksums) + text(T::Malformed_Count) +
           QString::number(summary.malformed) + text(T::Without_Checksum) +
           QString::number(summary.without_checksum);
}

QString TFNMEA_0183_Preview::sentences_text() const {
    QStringList seen;
    for (const cfg::preview::Seen_Sentence& sentence : session_->survey().sentences())
        seen.append(qt_text(sentence.code) + " " + QString::number(sentence.count) +
                    (sentence.offered ? QString() : text(T::Not_Offered)));
    const QString line =
        text(T::Sentences_Seen) + (seen.isEmpty() ? text(T::None) : seen.join(text(T::Comma)));
    const std::size_t further = session_->survey().sentences_not_kept();
    return further == 0 ? line : line + text(T::Further_Codes) + QString::number(further);
}

} // namespace ui
