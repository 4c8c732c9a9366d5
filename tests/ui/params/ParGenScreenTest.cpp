#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "core/params/ParGenFile.h"
#include "support/TempDir.h"
#include "ui/params/CollapsibleGroup.h"
#include "ui/params/TFParGen.h"
#include "ui/widgets/MessageService.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <filesystem>
#include <memory>

using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;

namespace {

std::string pargen_file(const std::string& elements) {
    return "<Par_Gen>" + elements + "</Par_Gen><!--SW_VERSION = 1.000-->";
}

// The twelve fields that DHCP on the cable locks, and the gateway check box.
const char* const Fixed_Address_Controls[] = {
    "E_Ethernet_IP1",  "E_Ethernet_IP2",  "E_Ethernet_IP3",    "E_Ethernet_IP4",  "E_Ethernet_SM1",
    "E_Ethernet_SM2",  "E_Ethernet_SM3",  "E_Ethernet_SM4",    "E_Ethernet_GAT1", "E_Ethernet_GAT2",
    "E_Ethernet_GAT3", "E_Ethernet_GAT4", "CB_Ethernet_En_GAT"};

} // namespace

class ParGenScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<cfg::Application> app_;
    std::unique_ptr<ui::TFParGen> dialog_;

    void open(const std::string& file_content = "") {
        if (!file_content.empty())
            write_bytes(app_->File_ParGen, file_content);
        dialog_ = std::make_unique<ui::TFParGen>(*app_, nullptr);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    }

    template <typename T = QWidget> T* child(const QString& name) const {
        T* found = dialog_->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    QLineEdit* field(const QString& name) const { return child<QLineEdit>(name); }
    QString text(const QString& name) const { return field(name)->text(); }
    bool checked(const QString& name) const { return child<QCheckBox>(name)->isChecked(); }
    QString choice(const QString& name) const { return child<QComboBox>(name)->currentText(); }

    void type(const QString& name, const QString& value) {
        QLineEdit* edit = field(name);
        edit->selectAll();
        QTest::keyClicks(edit, value);
    }

    // At the left end, where a check box has its box whatever the length of its caption.
    void click(const QString& name) {
        auto* button = child<QAbstractButton>(name);
        QTest::mouseClick(
            button, Qt::LeftButton, {},
            QPoint(qobject_cast<QCheckBox*>(button) ? 6 : button->width() / 2, button->height() / 2));
    }

    void choose(const QString& name, const QString& item) {
        auto* list = child<QComboBox>(name);
        const int at = list->findText(item);
        QVERIFY2(at >= 0, qPrintable(item));
        list->setCurrentIndex(at);
    }

    void focus(QWidget* widget) {
        dialog_->activateWindow();
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus());
    }

    bool saved_exists() const { return std::filesystem::exists(app_->File_ParGen); }

private slots:
    void init() {
        ui::MessageService::startTestMode();
        dir_ = std::make_unique<TempDir>();
        app_ = std::make_unique<cfg::Application>(cfg::Start_Application(dir_->path()));
        QVERIFY(!cfg::Create_New_Project(*app_, "Ship"));
    }

    void cleanup() {
        dialog_.reset();
        app_.reset();
        dir_.reset();
        ui::MessageService::reset();
    }

    void withoutAFileTheScreenShowsTheDefaults() {
        open();
        QCOMPARE(text("E_EthConn_Device_Name"), QString());
        QCOMPARE(text("E_EthConn_Sec_DNS_IP3"), QString("4"));
        QCOMPARE(text("E_EtherCAT_Slave_Name"), QString("devicename1"));
        QCOMPARE(text("E_Ethernet_IP4"), QString("10"));
        QCOMPARE(text("E_Ethernet_GAT4"), QString("1"));
        QVERIFY(!checked("CB_Ethernet_En_GAT"));
        QCOMPARE(choice("CB_RS232_Baud"), QString("4800"));
        QCOMPARE(choice("CB_RS232_Stop_Bits"), QString("1 bit"));
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
    }

    void theStoredValuesAreShown() {
        open(pargen_file(
            "<Eth_Conn_Device_Name>bridge</Eth_Conn_Device_Name>"
            "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable><Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>"
            "<Eth_Conn_Primary_DNS2>1</Eth_Conn_Primary_DNS2><RS232_BAUDRATE>$2580</RS232_BAUDRATE>"
            "<RS232_PARITY>even</RS232_PARITY><RS232_STOP_BITS>2 Bits</RS232_STOP_BITS>"
            "<EtherCAT_Slave_Name> x </EtherCAT_Slave_Name><Ethernet_IP1>10</Ethernet_IP1>"
            "<Ethernet_EN_GAT>1</Ethernet_EN_GAT>"));
        QCOMPARE(text("E_EthConn_Device_Name"), QString("bridge"));
        QVERIFY(checked("CB_EthConn_En_DHCP_Cable"));
        QVERIFY(checked("CB_EthConn_Enable_DNS"));
        QCOMPARE(text("E_EthConn_Pri_DNS_IP2"), QString("1"));
        QCOMPARE(choice("CB_RS232_Baud"), QString("9600"));
        QCOMPARE(choice("CB_RS232_Parity"), QString("EVEN"));
        QCOMPARE(choice("CB_RS232_Stop_Bits"), QString("2 bits"));
        QCOMPARE(text("E_EtherCAT_Slave_Name"), QString(" x "));
        QCOMPARE(text("E_Ethernet_IP1"), QString("10"));
        QVERIFY(checked("CB_Ethernet_En_GAT"));
        // Loaded with DHCP on, the fixed address starts locked.
        QVERIFY(!field("E_Ethernet_IP1")->isEnabled());
    }

    void editedValuesAreCheckedAndSaved() {
        open();
        type("E_EthConn_Device_Name", "bridge-2");
        click("CB_EthConn_Enable_DNS");
        type("E_EthConn_Pri_DNS_IP4", "9");
        type("E_EtherCAT_Slave_Revision_Number", "0xFFFFFFFF");
        type("E_EtherCAT_Slave_Name", "  port ");
        type("E_EtherCAT_Slave_Node_Address", " 192");
        type("E_Ethernet_IP3", "$FF");
        type("E_Ethernet_SM4", "-0");
        click("CB_Ethernet_En_GAT");
        type("E_Ethernet_GAT4", "254");
        choose("CB_RS232_Baud", "115200");
        choose("CB_RS232_Parity", "ODD");
        choose("CB_RS232_Stop_Bits", "2 bits");
        click("Btn_OK");
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));

        cfg::ParGen_Set expected;
        expected.Eth_Conn_Device_Name = "bridge-2";
        expected.Eth_Conn_Enable_DNS = true;
        expected.Eth_Conn_Primary_DNS4 = "9";
        expected.EtherCAT_Slave_Revision_Number = "0xFFFFFFFF";
        expected.EtherCAT_Slave_Name = "  port ";
        expected.EtherCAT_Slave_Node_Address = " 192";
        expected.Ethernet_IP3 = "$FF";
        expected.Ethernet_SM4 = "-0";
        expected.Ethernet_EN_GAT = true;
        expected.Ethernet_GAT4 = "254";
        expected.RS232_BAUDRATE = "115200";
        expected.RS232_PARITY = "ODD";
        expected.RS232_STOP_BITS = "2 bits";
        QVERIFY(cfg::Load_ParGen(app_->File_ParGen) == expected);
    }

    void valuesTheScreenHidesPassThroughUnchanged() {
        open(read_bytes(cfg::test::fixture("params/hidden_groups/ParGen.xml")));
        QVERIFY(!checked("CB_EthConn_En_DHCP_WiFi"));
        click("Btn_OK");
        QVERIFY(!dialog_->isVisible());
        const std::string saved = read_bytes(app_->File_ParGen);
        for (const char* element :
             {"<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>", "<RS232_ENABLE>0</RS232_ENABLE>",
              "<RS232_BAUDRATE>19200</RS232_BAUDRATE>", "<RS485_1_ENABLE>0</RS485_1_ENABLE>",
              "<RS485_1_BAUDRATE>115200</RS485_1_BAUDRATE>", "<RS485_1_PARITY>ODD</RS485_1_PARITY>",
              "<RS485_1_STOP_BITS>2 bits</RS485_1_STOP_BITS>",
              "<EtherCAT_Slave_Node_Address>12</EtherCAT_Slave_Node_Address>"})
            QVERIFY2(saved.find(element) != std::string::npos, element);
    }

    void dhcpOnTheCableLocksTheFixedAddressOnly() {
        open();
        click("CB_EthConn_En_DHCP_Cable");
        for (const char* name : Fixed_Address_Controls)
            QVERIFY2(!child(name)->isEnabled(), name);
        for (const char* name : {"E_EthConn_Pri_DNS_IP1", "E_EthConn_Sec_DNS_IP4", "CB_EthConn_Enable_DNS",
                                 "E_EtherCAT_Slave_Name", "CB_RS232_Baud"})
            QVERIFY2(child(name)->isEnabled(), name);
        click("CB_EthConn_En_DHCP_Cable");
        for (const char* name : Fixed_Address_Controls)
            QVERIFY2(child(name)->isEnabled(), name);
        QVERIFY(!child("CB_EthConn_En_DHCP_WiFi")->isEnabled());

        // The DNS and gateway boxes only decide what is checked, never what can be edited.
        click("CB_EthConn_Enable_DNS");
        click("CB_Ethernet_En_GAT");
        QVERIFY(field("E_EthConn_Pri_DNS_IP1")->isEnabled());
        QVERIFY(field("E_Ethernet_GAT1")->isEnabled());
        click("CB_EthConn_Enable_DNS");
        click("CB_Ethernet_En_GAT");
        QVERIFY(field("E_EthConn_Pri_DNS_IP1")->isEnabled());
        QVERIFY(field("E_Ethernet_GAT1")->isEnabled());
    }

    // Every change of a value is one step back and forth, with what follows from it (DHCP locks the
    // address); typing into a field is one step. The keys are pressed inside a field, whose own
    // history would otherwise take them.
    void everyChangeIsOneStepToUndoAndRedo_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("value");
        QTest::addRow("typing") << "E_EtherCAT_Slave_Name"
                                << "Tug 7";
        QTest::addRow("check box") << "CB_EthConn_Enable_DNS"
                                   << "";
        QTest::addRow("check box that locks fields") << "CB_EthConn_En_DHCP_Cable"
                                                     << "";
        QTest::addRow("list") << "CB_RS232_Baud"
                              << "38400";
    }
    void everyChangeIsOneStepToUndoAndRedo() {
        QFETCH(QString, control);
        QFETCH(QString, value);
        open(read_bytes(cfg::test::fixture("cli/good/ParGen.xml")));
        const auto shown = [this] {
            QStringList values;
            for (const QLineEdit* edit : dialog_->findChildren<QLineEdit*>())
                values << edit->objectName() + "=" + edit->text() + (edit->isEnabled() ? "" : " locked");
            for (const QCheckBox* box : dialog_->findChildren<QCheckBox*>())
                values << box->objectName() + (box->isChecked() ? "=on" : "=off");
            for (const QComboBox* list : dialog_->findChildren<QComboBox*>())
                values << list->objectName() + "=" + list->currentText();
            return values;
        };
        const QStringList opened = shown();
        if (auto* list = dialog_->findChild<QComboBox*>(control)) {
            choose(control, value);
            emit list->activated(list->currentIndex());
        } else if (value.isEmpty()) {
            click(control);
        } else {
            focus(field(control));
            type(control, value);
        }
        const QStringList changed = shown();
        QVERIFY(changed != opened);

        QLineEdit* keys = field("E_EtherCAT_Slave_Name");
        focus(keys);
        QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(shown(), opened);
        QTest::keyClick(keys, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(shown(), changed);
        QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(shown(), changed);

        // Undone back to the opening, the screen holds no change: Cancel asks nothing.
        QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
        QTest::mouseClick(child<QPushButton>("Btn_Cancel"), Qt::LeftButton);
        QVERIFY(!dialog_->isVisible());
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
    }

    void aFailingCheckShowsItsTextKeepsTheScreenAndWritesNothing() {
        open();
        type("E_Ethernet_IP4", "300");
        click("CB_EthConn_En_DHCP_Cable"); // locked, yet still checked
        click("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"Error Ethernet!! IP Address 4 must be between 0 and 255"});
        QVERIFY(dialog_->isVisible());
        QVERIFY(!saved_exists());
        QCOMPARE(text("E_Ethernet_IP4"), QString("300"));

        click("CB_EthConn_En_DHCP_Cable");
        type("E_Ethernet_IP4", "30");
        click("CB_EthConn_Enable_DNS");
        type("E_EthConn_Pri_DNS_IP1", "a");
        type("E_EtherCAT_Slave_Node_Address", "193");
        click("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 QString("Error Primary DNS!! DNS 1 must be between 0 and 255"));
        type("E_EthConn_Pri_DNS_IP1", "1");
        click("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 QString("Error EtherCAT Slave!! Node Address must be between 1 and 192"));
        QVERIFY(dialog_->isVisible());
        QVERIFY(!saved_exists());
    }

    void aFailingCheckLeavesTheStoredFileAsItWas() {
        const std::string stored = pargen_file("<EtherCAT_Slave_Name>old</EtherCAT_Slave_Name>");
        open(stored);
        type("E_EtherCAT_Slave_Name", "   ");
        click("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"Error EtherCAT Slave!! Slave Name cannot be empty"});
        QCOMPARE(read_bytes(app_->File_ParGen), stored);
    }

    void aFileThatCannotBeWrittenIsReportedAndTheScreenStays() {
        open();
        std::filesystem::create_directory(app_->File_ParGen); // a folder where the file belongs
        click("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QVERIFY(dialog_->isVisible());
    }

    void aMalformedFileIsReportedAndTheScreenStartsFromTheDefaults() {
        open("<Par_Gen><Ethernet_IP1>10</Ethernet_IP1>");
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QVERIFY(ui::MessageService::shownTexts().first().contains("ParGen.xml"));
        QCOMPARE(text("E_Ethernet_IP1"), QString("192"));
    }

    void cancelWritesNothingAndEveryShowingReloads() {
        const std::string stored = pargen_file("<Ethernet_IP1>10</Ethernet_IP1>");
        open(stored);
        type("E_Ethernet_IP1", "11");
        click("CB_EthConn_En_DHCP_Cable");
        ui::MessageService::queueAnswers({ui::MessageAnswer::Yes}); // lose the changes
        click("Btn_Cancel");
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), int(QDialog::Rejected));
        QCOMPARE(read_bytes(app_->File_ParGen), stored);
        dialog_->show();
        QCOMPARE(text("E_Ethernet_IP1"), QString("10"));
        QVERIFY(field("E_Ethernet_IP1")->isEnabled());
    }

    void dotMovesAlongTheAddressChains_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("within an address") << "E_Ethernet_IP1"
                                           << "E_Ethernet_IP2";
        QTest::newRow("address to mask") << "E_Ethernet_IP4"
                                         << "E_Ethernet_SM1";
        QTest::newRow("mask to gateway") << "E_Ethernet_SM4"
                                         << "E_Ethernet_GAT1";
        QTest::newRow("end of the Ethernet chain") << "E_Ethernet_GAT4"
                                                   << "E_Ethernet_GAT4";
        QTest::newRow("primary to secondary DNS") << "E_EthConn_Pri_DNS_IP4"
                                                  << "E_EthConn_Sec_DNS_IP1";
        QTest::newRow("end of the DNS chain") << "E_EthConn_Sec_DNS_IP4"
                                              << "E_EthConn_Sec_DNS_IP4";
    }

    void dotMovesAlongTheAddressChains() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        open();
        const QString before = text(from);
        focus(field(from));
        QTest::keyClick(field(from), '.');
        QTRY_VERIFY(field(to)->hasFocus());
        QCOMPARE(text(from), before);
    }

    void dotStaysWhereTheNextFieldCannotTakeTheFocus() {
        open();
        field("E_Ethernet_SM1")->setEnabled(false);
        focus(field("E_Ethernet_IP4"));
        QTest::keyClick(field("E_Ethernet_IP4"), '.');
        QVERIFY(field("E_Ethernet_IP4")->hasFocus());
        QCOMPARE(text("E_Ethernet_IP4"), QString("10"));

        // Other fields take the dot as typed.
        type("E_EthConn_Device_Name", "conv.local");
        QCOMPARE(text("E_EthConn_Device_Name"), QString("conv.local"));
    }

    void namesTakeAtMostTheirTypedLength_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("limit");
        QTest::newRow("host name") << "E_EthConn_Device_Name" << 31;
        QTest::newRow("slave name") << "E_EtherCAT_Slave_Name" << 15;
    }

    void namesTakeAtMostTheirTypedLength() {
        QFETCH(QString, name);
        QFETCH(int, limit);
        const QString ship = QString::fromUtf8("\xF0\x9F\x9A\xA2"); // two UTF-16 code units
        open();
        QLineEdit* edit = field(name);

        type(name, QString(limit + 5, 'a'));
        QCOMPARE(edit->text(), QString(limit, 'a'));

        type(name, QString(limit - 1, 'b'));
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, ship, Qt::NoModifier);
        QCOMPARE(edit->text(), QString(limit - 1, 'b'));
        edit->backspace();
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, ship, Qt::NoModifier);
        QCOMPARE(edit->text(), QString(limit - 2, 'b') + ship);

        edit->clear();
        edit->insert("12" + QString(limit, 'c')); // a paste keeps what fits
        QCOMPARE(edit->text(), "12" + QString(limit - 2, 'c'));
    }

    void aLongerStoredNameIsKeptAndSavedAsItWas() {
        const QString long_name(20, 'n');
        open(pargen_file("<EtherCAT_Slave_Name>" + long_name.toStdString() + "</EtherCAT_Slave_Name>"));
        QLineEdit* edit = field("E_EtherCAT_Slave_Name");
        QCOMPARE(edit->text(), long_name);
        edit->end(false);
        QTest::keyClick(edit, 'x');
        QCOMPARE(edit->text(), long_name);
        click("Btn_OK");
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(cfg::Load_ParGen(app_->File_ParGen).EtherCAT_Slave_Name, long_name.toStdString());
    }

    void thisModelShowsItsFourGroupsInOrder() {
        open();
        const QStringList shown{"CP_Ethernet_Connection", "CP_EtherCAT_Slave", "CP_Ethernet", "CP_RS232"};
        const QStringList captions{"1. Ethernet Connection", "2. EtherCAT Slave", "3. Ethernet", "4. Serial"};
        int top = -1;
        for (int i = 0; i < shown.size(); ++i) {
            auto* group = child<ui::CollapsibleGroup>(shown[i]);
            QVERIFY(group->isVisible());
            QVERIFY(group->isExpanded());
            QCOMPARE(group->caption(), captions[i]);
            QVERIFY(group->y() > top);
            top = group->y();
        }
        for (const char* hidden : {"CP_PROFINET", "CP_RS485_1", "CP_RS485_2", "CP_Modbus_TCP_Slave",
                                   "CP_Modbus_Slave", "CP_MQTT", "CP_TLS", "CP_NTP"})
            QVERIFY2(!child(hidden)->isVisible(), hidden);
        for (const char* hidden : {"CB_RS232_Enable", "E_Ethernet_TCP_Port", "E_Ethernet_UDP_Port"})
            QVERIFY2(!child(hidden)->isVisible(), hidden);
    }

    void theSerialRowsMoveUpAndGroupsEndBelowTheirLastRow() {
        open();
        const struct {
            const char* control;
            int label_top;
        } rows[] = {{"CB_RS232_Baud", 12}, {"CB_RS232_Parity", 40}, {"CB_RS232_Stop_Bits", 68}};
        for (const auto& row : rows) {
            QCOMPARE(child(QString("L_") + row.control)->y(), row.label_top);
            QCOMPARE(child(row.control)->y(), row.label_top - 3);
        }
        const struct {
            const char* group;
            const char* last;
        } groups[] = {{"CP_Ethernet_Connection", "E_EthConn_Sec_DNS_IP4"},
                      {"CP_EtherCAT_Slave", "E_EtherCAT_Slave_Node_Address"},
                      {"CP_Ethernet", "E_Ethernet_GAT4"},
                      {"CP_RS232", "CB_RS232_Stop_Bits"}};
        for (const auto& g : groups) {
            QWidget* last = child(g.last);
            QCOMPARE(child(g.group)->height(),
                     last->y() + last->height() + ui::CollapsibleGroup::headerHeight() + 12);
        }
    }

    void tabFollowsTheGroupOrder() {
        open();
        focus(field("E_EthConn_Sec_DNS_IP4"));
        QTest::keyClick(dialog_.get(), Qt::Key_Tab);
        QTRY_VERIFY(field("E_EtherCAT_Slave_Revision_Number")->hasFocus());
        focus(field("E_EtherCAT_Slave_Node_Address"));
        QTest::keyClick(dialog_.get(), Qt::Key_Tab);
        QTRY_VERIFY(field("E_Ethernet_IP1")->hasFocus());
    }

    void aCollapsedGroupStaysCollapsedAcrossShowings() {
        open();
        auto* group = child<ui::CollapsibleGroup>("CP_EtherCAT_Slave");
        QTest::mouseClick(group->header(), Qt::LeftButton);
        QVERIFY(!group->isExpanded());
        QCOMPARE(group->height(), ui::CollapsibleGroup::headerHeight());
        QCOMPARE(group->header()->toolTip(), QString("Expand"));
        dialog_->hide();
        dialog_->show();
        QVERIFY(!group->isExpanded());
        QTest::mouseClick(group->header(), Qt::LeftButton);
        QVERIFY(field("E_EtherCAT_Slave_Name")->isVisible());
    }

    void theWheelScrollsTheGroupAreaBySystemLines() {
        open();
        auto* area = child<QScrollArea>("CPG");
        area->widget()->setMinimumHeight(3000); // more than the area can show
        QScrollBar* bar = area->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        auto* baud = child<QComboBox>("CB_RS232_Baud");
        const int baud_index = baud->currentIndex();
        const auto wheel = [](QWidget* over, int delta) {
            const QPointF at(over->width() / 2.0, over->height() / 2.0);
            QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(over, &event);
        };

        const auto restore = qScopeGuard(
            [lines = QApplication::wheelScrollLines()] { QApplication::setWheelScrollLines(lines); });
        QApplication::setWheelScrollLines(2);
        wheel(baud, -120); // towards the user: down
        QCOMPARE(bar->value(), 2 * bar->singleStep());
        QCOMPARE(baud->currentIndex(), baud_index);
        wheel(baud, 120);
        QCOMPARE(bar->value(), 0);
        wheel(area->viewport(), -240);
        QCOMPARE(bar->value(), 4 * bar->singleStep());
        wheel(child("Btn_OK"), 120); // outside the group area
        QCOMPARE(bar->value(), 4 * bar->singleStep());
        // A finer wheel scrolls once its turns add up to one step.
        wheel(area->viewport(), 60);
        QCOMPARE(bar->value(), 4 * bar->singleStep());
        wheel(area->viewport(), 60);
        QCOMPARE(bar->value(), 2 * bar->singleStep());
    }

    void theWidthSnapsBackTo460() {
        open();
        dialog_->resize(600, 800);
        QCOMPARE(dialog_->width(), 460);
        QCOMPARE(dialog_->height(), 700);
    }

    void aWindowAboveTheScreenComesDownWhenActivated() {
        open();
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        dialog_->move(dialog_->x(), dialog_->screen()->geometry().top() - 50);
        dialog_->activateWindow();
        QTRY_COMPARE(dialog_->frameGeometry().top(), dialog_->screen()->geometry().top());
    }

    void aLanguageChangeReachesLabelsHintsAndCaptions() {
        open();
        app_->Lang_Strings.set(1121, "Verbindung");
        app_->Lang_Strings.set(1122, "Hostname");
        app_->Lang_Strings.set(1146, "Knotenadresse 1 bis 192");
        app_->Lang_Strings.set(402, "Speichern");
        dialog_->Set_Lang();
        QCOMPARE(child<ui::CollapsibleGroup>("CP_Ethernet_Connection")->caption(), QString("1. Verbindung"));
        QCOMPARE(child<QLabel>("L_E_EthConn_Device_Name")->text(), QString("Hostname"));
        QCOMPARE(child("E_EtherCAT_Slave_Node_Address")->toolTip(), QString("Knotenadresse 1 bis 192"));
        QCOMPARE(child<QPushButton>("Btn_OK")->text(), QString("Speichern"));
        QCOMPARE(dialog_->windowTitle(), QString("Set Communication"));
    }
};

QTEST_MAIN(ParGenScreenTest)
#include "ParGenScreenTest.moc"
