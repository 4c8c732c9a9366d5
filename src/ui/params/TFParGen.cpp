#include "ui/params/TFParGen.h"

#include "core/app/Application.h"
#include "core/common/ModelIdentity.h"
#include "core/lang/ParameterTexts.h"
#include "core/params/ParGenChecks.h"
#include "core/params/ParGenFile.h"
#include "core/params/SerialChoices.h"
#include "core/params/TypedLimit.h"
#include "ui/params/CollapsibleGroup.h"
#include "ui/params/TypedLimitValidator.h"
#include "ui/widgets/AddressDotJump.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/ScreenStep.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cstdlib>
#include <cstring>
#include <utility>

namespace ui {
namespace {

constexpr int client_width = 460;
constexpr int client_height = 700;
constexpr int group_bottom_margin = 12;
constexpr int scroll_line = 20;

// The control of each ParGen.xml key, in file order.
struct Key_Control {
    const char* key;
    const char* control;
};
constexpr std::array<Key_Control, cfg::ParGen_Key_Count> Key_Controls{{
    {"Eth_Conn_Device_Name", "E_EthConn_Device_Name"},
    {"Eth_Conn_DHCP_Cable", "CB_EthConn_En_DHCP_Cable"},
    {"Eth_Conn_DHCP_WiFi", "CB_EthConn_En_DHCP_WiFi"},
    {"Eth_Conn_Enable_DNS", "CB_EthConn_Enable_DNS"},
    {"Eth_Conn_Primary_DNS1", "E_EthConn_Pri_DNS_IP1"},
    {"Eth_Conn_Primary_DNS2", "E_EthConn_Pri_DNS_IP2"},
    {"Eth_Conn_Primary_DNS3", "E_EthConn_Pri_DNS_IP3"},
    {"Eth_Conn_Primary_DNS4", "E_EthConn_Pri_DNS_IP4"},
    {"Eth_Conn_Secondary_DNS1", "E_EthConn_Sec_DNS_IP1"},
    {"Eth_Conn_Secondary_DNS2", "E_EthConn_Sec_DNS_IP2"},
    {"Eth_Conn_Secondary_DNS3", "E_EthConn_Sec_DNS_IP3"},
    {"Eth_Conn_Secondary_DNS4", "E_EthConn_Sec_DNS_IP4"},
    {"RS232_ENABLE", "CB_RS232_Enable"},
    {"RS232_BAUDRATE", "CB_RS232_Baud"},
    {"RS232_PARITY", "CB_RS232_Parity"},
    {"RS232_STOP_BITS", "CB_RS232_Stop_Bits"},
    {"RS485_1_ENABLE", "CB_RS485_1_Enable"},
    {"RS485_1_BAUDRATE", "CB_RS485_1_Baud"},
    {"RS485_1_PARITY", "CB_RS485_1_Parity"},
    {"RS485_1_STOP_BITS", "CB_RS485_1_Stop_Bits"},
    {"EtherCAT_Slave_Revision_Number", "E_EtherCAT_Slave_Revision_Number"},
    {"EtherCAT_Slave_Name", "E_EtherCAT_Slave_Name"},
    {"EtherCAT_Slave_Node_Address", "E_EtherCAT_Slave_Node_Address"},
    {"Ethernet_IP1", "E_Ethernet_IP1"},
    {"Ethernet_IP2", "E_Ethernet_IP2"},
    {"Ethernet_IP3", "E_Ethernet_IP3"},
    {"Ethernet_IP4", "E_Ethernet_IP4"},
    {"Ethernet_SM1", "E_Ethernet_SM1"},
    {"Ethernet_SM2", "E_Ethernet_SM2"},
    {"Ethernet_SM3", "E_Ethernet_SM3"},
    {"Ethernet_SM4", "E_Ethernet_SM4"},
    {"Ethernet_GAT1", "E_Ethernet_GAT1"},
    {"Ethernet_GAT2", "E_Ethernet_GAT2"},
    {"Ethernet_GAT3", "E_Ethernet_GAT3"},
    {"Ethernet_GAT4", "E_Ethernet_GAT4"},
    {"Ethernet_EN_GAT", "CB_Ethernet_En_GAT"},
}};

// Check boxes whose click changes which controls show or can be edited, in any model.
constexpr const char* Layout_Check_Boxes[] = {
    "CB_RS232_Enable",        "CB_RS485_1_Enable",     "CB_RS485_2_Enable",     "CB_MQTT_WillFlag",
    "CB_TLS_Enable",          "CB_TLS_En_Server_Auth", "CB_TLS_En_Client_Auth", "CB_EthConn_En_DHCP_Cable",
    "CB_EthConn_En_DHCP_WiFi"};

int choice_index(cfg::ParGen_Kind kind, const std::string& text) {
    switch (kind) {
    case cfg::ParGen_Kind::Baud:
        return cfg::Baud_to_Index(text);
    case cfg::ParGen_Kind::Parity:
        return cfg::Parity_to_Index(text);
    default:
        return cfg::StopBits_to_Index(text);
    }
}

} // namespace

TFParGen::TFParGen(cfg::Application& app, QWidget* parent)
    : EditingScreen(app, parent), title_(new TitlePanel(qt_text(cfg::SW_Code), this)),
      CPG(new QScrollArea(this)), Btn_OK(dialog_button("Btn_OK", this)),
      Btn_Cancel(dialog_button("Btn_Cancel", this)) {
    // FormCreate
    setObjectName("TFParGen");
    title_->setObjectName("P_Title");
    CPG->setObjectName("CPG");
    CPG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CPG->setWidgetResizable(true);
    CPG->verticalScrollBar()->setSingleStep(scroll_line);
    setSmallestFixedSize(client_width, client_height);

    auto* buttons = new QWidget(this);
    buttons->setObjectName("P_Button");
    auto* button_row = new QHBoxLayout(buttons);
    button_row->setContentsMargins(8, 0, 8, 0);
    button_row->addStretch();
    button_row->addWidget(Btn_OK);
    button_row->addWidget(Btn_Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(title_);
    layout->addWidget(notice());
    layout->addWidget(CPG, 1);
    layout->addWidget(buttons);

    build_groups();
    connect(Btn_OK, &QPushButton::clicked, this, &TFParGen::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    bind_keys();

    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::bind_keys() {
    for (std::size_t k = 0; k < bindings_.size(); ++k) {
        const cfg::ParGen_Key& key = cfg::ParGen_Keys()[k];
        const char* name = Key_Controls[k].control;
        if (std::strcmp(key.name, Key_Controls[k].key) != 0)
            qFatal("TFParGen binds %s where ParGen.xml has %s", Key_Controls[k].key, key.name);
        Key_Binding& binding = bindings_[k];
        binding.key = &key;
        if (key.kind == cfg::ParGen_Kind::Flag) {
            binding.check = control<QCheckBox>(name);
            connect(binding.check, &QCheckBox::clicked, this, [this] { record_change(); });
        } else if (key.kind == cfg::ParGen_Kind::Text) {
            binding.edit = control<QLineEdit>(name);
            const int field = static_cast<int>(k);
            connect(binding.edit, &QLineEdit::textEdited, this, [this, field] { record_change(field); });
            connect(binding.edit, &QLineEdit::editingFinished, this, [this] { ++typing_session_; });
        } else {
            binding.list = control<QComboBox>(name);
            connect(binding.list, &QComboBox::activated, this, [this] { record_change(); });
        }
    }
}

// The fields are destroyed after the screen's own part; a focused field then says its editing
// ended, which must no longer reach the screen.
TFParGen::~TFParGen() {
    for (const Key_Binding& binding : bindings_) {
        if (binding.edit)
            binding.edit->disconnect(this);
    }
}

void TFParGen::record_change(int typing_field) {
    const cfg::ParGen_Set now = values();
    if (now == recorded_state_)
        return;
    const cfg::ParGen_Set before = std::exchange(recorded_state_, now);
    const int typing_key =
        typing_field < 0 ? -1 : typing_session_ * static_cast<int>(cfg::ParGen_Key_Count) + typing_field;
    push_step([this, before] { show_recorded(before); }, [this, now] { show_recorded(now); }, typing_key);
}

void TFParGen::show_recorded(const cfg::ParGen_Set& set) {
    show_values(set);
    Move_GroupBoxs();
    recorded_state_ = set;
}

void TFParGen::build_groups() {
    // The area goes into the scroll area empty, so that its controls are made where they stay:
    // moving a built tree into another window polishes every widget of it again.
    auto* area = new QWidget;
    area->setObjectName("CPG_Groups");
    CPG->setWidget(area);
    stack_ = new QVBoxLayout(area);
    stack_->setContentsMargins(0, 0, 0, 0);
    stack_->setSpacing(2);
    stack_->addStretch();
    for (std::size_t g = 0; g < Group_Count; ++g) {
        Group& group = groups_[g];
        group.design = &ParGen_Groups()[g];
        group.panel = new CollapsibleGroup(area);
        group.panel->setObjectName(group.design->name);
        for (const Row_Design& design : group.design->rows)
            group.rows.push_back(build_row(design, group.panel->body()));
        group.panel->hide();
        // The other models' groups never change here: they keep the places of all their rows.
        size_group(group);
    }

    new TypedLimitValidator(control<QLineEdit>("E_EthConn_Device_Name"), cfg::Device_Name_Typed_Limit);
    new TypedLimitValidator(control<QLineEdit>("E_EtherCAT_Slave_Name"), cfg::Slave_Name_Typed_Limit);

    auto* dot_jump = new AddressDotJump(this);
    for (const Group& group : groups_) {
        for (const Group_Row& row : group.rows) {
            for (QLineEdit* field : row.octets) {
                if (field)
                    dot_jump->watch(field);
            }
        }
    }
    chain_octets(*dot_jump, Group_Id::Ethernet_Connection, {"E_EthConn_Pri_DNS_IP", "E_EthConn_Sec_DNS_IP"});
    chain_octets(*dot_jump, Group_Id::Ethernet, {"E_Ethernet_IP", "E_Ethernet_SM", "CB_Ethernet_En_GAT"});

    for (const char* name : Layout_Check_Boxes)
        connect(control<QCheckBox>(name), &QCheckBox::toggled, this, [this] { Move_GroupBoxs(); });

    // The group area takes the wheel before any control inside it can.
    CPG->installEventFilter(this);
    for (QWidget* widget : CPG->findChildren<QWidget*>())
        widget->installEventFilter(this);
}

// "." leads from each field of these rows to the next, the last field of a row to the first of the
// following row.
void TFParGen::chain_octets(AddressDotJump& dot_jump, Group_Id id, std::initializer_list<const char*> rows) {
    std::vector<QLineEdit*> chain;
    for (const char* name : rows) {
        for (QLineEdit* field : row(id, name).octets)
            chain.push_back(field);
    }
    dot_jump.chain(chain);
}

template <typename T> T* TFParGen::control(const char* name) const {
    T* found = CPG->widget()->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("TFParGen has no control %s", name);
    return found;
}

Group_Row& TFParGen::row(Group_Id id, const char* name) {
    for (Group_Row& candidate : group(id).rows) {
        if (std::strcmp(candidate.design->name, name) == 0)
            return candidate;
    }
    qFatal("TFParGen has no row %s", name);
}

void TFParGen::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    namespace text = cfg::parameter_text;
    setWindowTitle(text_of(texts, text::Title));
    title_->descriptionLabel()->setText(text_of(texts, text::Description));
    Btn_OK->setText(text_of(texts, text::OK));
    Btn_OK->setToolTip(text_of(texts, text::OK_Hint));
    Btn_Cancel->setText(text_of(texts, text::Cancel));
    Btn_Cancel->setToolTip(text_of(texts, text::Cancel_Hint));
    for (Group& group : groups_) {
        for (const Group_Row& row : group.rows)
            set_row_texts(row, texts);
        group.panel->setChevronHints(text_of(texts, text::Collapse_Hint), text_of(texts, text::Expand_Hint));
        // The captions follow a language change too, so that no group keeps the old language.
        caption_group(group);
    }
    // A hidden window is measured when it opens: at start that leaves out the text measuring of
    // every caption of the screen.
    if (isVisible())
        fit_row_widths();
}

// The rows make room for the captions of the language, and the window for the rows; the group
// area scrolls only up and down.
void TFParGen::fit_row_widths() {
    row_widths_ = Row_Widths();
    // The other models' groups never show here.
    for (const Group& group : groups_)
        if (group.number > 0)
            row_widths_.widen_for(group.rows);
    for (Group& group : groups_)
        size_group(group);
    // The window grows by what the rows grow.
    setSmallestFixedSize(client_width + row_widths_.right() - Row_Widths().right(), client_height);
}

void TFParGen::Order_TAB_Panels() {
    Order_TAB_Panels_52C40();
}

void TFParGen::Order_TAB_Panels_52C40() {
    stack_groups({Groups_52C40.begin(), Groups_52C40.end()});
}

void TFParGen::stack_groups(const std::vector<Group_Id>& order) {
    for (Group& group : groups_) {
        group.number = 0;
        stack_->removeWidget(group.panel);
        group.panel->hide();
    }
    QWidget* previous = nullptr;
    const auto chain_focus = [&previous](QWidget* next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    int number = 0;
    for (Group_Id id : order) {
        Group& shown = group(id);
        shown.number = ++number;
        // Before the closing stretch, so the groups stack from the top.
        stack_->insertWidget(stack_->count() - 1, shown.panel);
        shown.panel->show();
        caption_group(shown);
        for (const Group_Row& row : shown.rows) {
            for (QWidget* widget : focus_chain(row))
                chain_focus(widget);
        }
    }
    chain_focus(Btn_OK);
    chain_focus(Btn_Cancel);
}

void TFParGen::caption_group(Group& group) {
    if (group.number > 0)
        group.panel->setCaption(QString("%1. ").arg(group.number) +
                                text_of(app_.Lang_Strings, group.design->caption));
}

void TFParGen::Move_GroupBoxs() {
    RePosition_Objects_52C40();
}

void TFParGen::RePosition_Objects_52C40() {
    RePosition_Object_Ethernet_Connection();
    RePosition_Object_EtherCAT_Slave();
    RePosition_Object_Ethernet();
    RePosition_Object_RS232();
}

void TFParGen::RePosition_Object_Ethernet_Connection() {
    // This model has no Wi-Fi.
    control<QCheckBox>("CB_EthConn_En_DHCP_WiFi")->setEnabled(false);
    size_group(group(Group_Id::Ethernet_Connection));
}

void TFParGen::RePosition_Object_EtherCAT_Slave() {
    size_group(group(Group_Id::EtherCAT_Slave));
}

void TFParGen::RePosition_Object_Ethernet() {
    show_row(row(Group_Id::Ethernet, "E_Ethernet_TCP_Port"), false);
    show_row(row(Group_Id::Ethernet, "E_Ethernet_UDP_Port"), false);
    // With DHCP on the cable the server gives the address; the fixed one stays checked and saved.
    const bool fixed_address = !control<QCheckBox>("CB_EthConn_En_DHCP_Cable")->isChecked();
    for (const char* name : {"E_Ethernet_IP", "E_Ethernet_SM", "CB_Ethernet_En_GAT"}) {
        for (QWidget* widget : focus_chain(row(Group_Id::Ethernet, name)))
            widget->setEnabled(fixed_address);
    }
    size_group(group(Group_Id::Ethernet));
}

void TFParGen::RePosition_Object_RS232() {
    show_row(row(Group_Id::RS232, "CB_RS232_Enable"), false);
    size_group(group(Group_Id::RS232));
}

void TFParGen::size_group(Group& group) {
    group.panel->setBodyHeight(place_rows(group.rows, row_widths_) + group_bottom_margin);
}

void TFParGen::showEvent(QShowEvent* event) {
    // Centred when opened; a restored window stays where the user left it.
    QScreen* shown_on = screen();
    if (shown_on && !event->spontaneous())
        move(shown_on->geometry().center() - frameGeometry().center() + pos());
    EditingScreen::showEvent(event);
}

void TFParGen::opened() {
    fit_row_widths();
    EditingScreen::opened();
}

std::filesystem::path TFParGen::file() const {
    return app_.File_ParGen;
}

int TFParGen::show_file_and_count_left_out() {
    show_values(cfg::Load_ParGen(file()));
    Move_GroupBoxs();
    return 0;
}

void TFParGen::show_defaults() {
    show_values(cfg::ParGen_Set{});
    Move_GroupBoxs();
}

// What the fields show, not what the file held: a stored text a list cannot show is no change.
void TFParGen::remember_shown_state() {
    shown_state_ = values();
    recorded_state_ = shown_state_;
}

bool TFParGen::changed_since_opened() const {
    return values() != shown_state_;
}

void TFParGen::show_values(const cfg::ParGen_Set& set) {
    for (const Key_Binding& binding : bindings_) {
        const cfg::ParGen_Key& key = *binding.key;
        if (binding.check)
            binding.check->setChecked(set.*key.flag);
        else if (auto* limit = binding.edit ? binding.edit->findChild<TypedLimitValidator*>() : nullptr)
            limit->setStoredText(QString::fromStdString(set.*key.text));
        else if (binding.edit)
            binding.edit->setText(QString::fromStdString(set.*key.text));
        else
            binding.list->setCurrentIndex(choice_index(key.kind, set.*key.text));
    }
}

cfg::ParGen_Set TFParGen::values() const {
    cfg::ParGen_Set set;
    for (const Key_Binding& binding : bindings_) {
        const cfg::ParGen_Key& key = *binding.key;
        if (binding.check)
            set.*key.flag = binding.check->isChecked();
        else
            set.*key.text = (binding.edit ? binding.edit->text() : binding.list->currentText()).toStdString();
    }
    return set;
}

bool TFParGen::Controllo_Dati() {
    if (const auto failure = cfg::Controllo_Dati(values())) {
        MessageService::error(this, text_of(app_.Lang_Strings, *failure));
        return false;
    }
    return true;
}

void TFParGen::Btn_OKClick() {
    run_reported(this, [this] {
        if (!Controllo_Dati() || !may_replace_file())
            return;
        cfg::Save_ParGen(values(), file());
        accept();
    });
}

bool TFParGen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel)
        return FormMouseWheel(static_cast<QWheelEvent*>(event));
    // The screen's undo and redo take whole steps back in every field, not a field's own history.
    if (event->type() == QEvent::ShortcutOverride && is_undo_or_redo_key(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TFParGen::FormMouseWheel(QWheelEvent* event) {
    wheel_rest_ += event->angleDelta().y();
    const int steps = wheel_rest_ / QWheelEvent::DefaultDeltasPerStep;
    wheel_rest_ -= steps * QWheelEvent::DefaultDeltasPerStep;
    const auto action =
        steps > 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd;
    const int lines = std::abs(steps) * QApplication::wheelScrollLines();
    for (int line = 0; line < lines; ++line)
        CPG->verticalScrollBar()->triggerAction(action);
    event->accept();
    return true;
}

void TFParGen::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QDialog::changeEvent(event);
}

// A window whose top edge is above the screen could not be moved back by its title bar.
void TFParGen::FormActivate() {
    const QScreen* shown_on = screen();
    if (shown_on && frameGeometry().top() < shown_on->geometry().top())
        move(x(), shown_on->geometry().top());
}

} // namespace ui
