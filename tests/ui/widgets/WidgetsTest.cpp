#include "core/common/Table.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/TableGridModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <stdexcept>

class WidgetsTest : public QObject {
    Q_OBJECT

    // Three data rows: an enable check box, a text column, a hidden column, a list column.
    static cfg::Table sample_table() {
        cfg::Table table(4, 5);
        for (int c = 0; c < 5; ++c)
            table.set_text(0, c, "H" + std::to_string(c));
        for (int r = 1; r < 4; ++r)
            table.set_check_box(r, 1, true);
        table.set_column_visible(3, false);
        return table;
    }

private slots:
    void init() { ui::MessageService::startTestMode(); }
    void cleanup() { ui::MessageService::reset(); }

    void modelPassesTheModelTester() {
        ui::TableGridModel model(std::make_shared<cfg::Table>(sample_table()));
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setData(model.index(0, 2), "x", Qt::EditRole);
        model.tableChanged();
    }

    void modelShowsCellsAndHandsEditsToTheTable() {
        auto shared = std::make_shared<cfg::Table>(sample_table());
        cfg::Table& table = *shared;
        table.set_text(2, 2, "GGA");
        ui::TableGridModel model(shared);
        model.setEditableCell([](int row, int column) { return !(row == 3 && column == 2); });
        model.setCellListItems([](int, int column) -> std::optional<QStringList> {
            if (column != 4)
                return std::nullopt;
            return QStringList{"a", "b"};
        });
        QSignalSpy edited(&model, &ui::TableGridModel::cellEdited);

        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.data(model.index(1, 0), Qt::DisplayRole).toInt(), 2);
        QCOMPARE(model.data(model.index(1, 2), Qt::DisplayRole).toString(), QString("GGA"));
        QCOMPARE(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("H2"));
        QCOMPARE(model.data(model.index(0, 4), ui::TableGridModel::ListItemsRole).toStringList(),
                 (QStringList{"a", "b"}));
        QVERIFY(!(model.flags(model.index(2, 2)) & Qt::ItemIsEditable));
        QVERIFY(model.flags(model.index(1, 2)) & Qt::ItemIsEditable);
        QVERIFY(model.flags(model.index(0, 1)) & Qt::ItemIsUserCheckable);

        QVERIFY(model.setData(model.index(0, 1), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!table.is_checked(1, 1));
        QVERIFY(model.setData(model.index(0, 2), "RMC", Qt::EditRole));
        QCOMPARE(table.text(1, 2), std::string("RMC"));
        QCOMPARE(edited.count(), 2);
        QCOMPARE(edited.at(1).at(0).toInt(), 1);
        QCOMPARE(edited.at(1).at(1).toInt(), 2);
    }

    void enterJumpsOnlyWithTheOptionOn() {
        ui::TableGridModel model(std::make_shared<cfg::Table>(sample_table()));
        bool jump = true;
        ui::GridView view([&] { return jump; }, [] { return false; });
        view.setGridModel(&model);
        QVERIFY(view.isColumnHidden(3));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        view.setCurrentIndex(model.index(2, 4)); // last visible column of the last row
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(view.currentIndex(), model.index(0, 1));
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(view.currentIndex(), model.index(0, 2));
        QTest::keyClick(&view, Qt::Key_Return); // the hidden column 3 is passed over
        QCOMPARE(view.currentIndex(), model.index(0, 4));

        jump = false;
        view.setCurrentIndex(model.index(0, 2));
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(view.currentIndex(), model.index(0, 2));
    }

    // Enter that ends an edit moves on exactly one cell, with the option on, as Enter on a cell does.
    void enterAfterAnEditMovesOneCell() {
        QTest::failOnWarning(QRegularExpression("commitData called with an editor"));
        auto shared = std::make_shared<cfg::Table>(sample_table());
        ui::TableGridModel model(shared);
        model.setCellListItems([](int, int column) -> std::optional<QStringList> {
            if (column != 4)
                return std::nullopt;
            return QStringList{"a", "b"};
        });
        ui::GridView view([] { return true; }, [] { return false; });
        view.setGridModel(&model);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        view.setCurrentIndex(model.index(0, 2));
        view.edit(view.currentIndex());
        QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        QTest::keyClicks(QApplication::focusWidget(), "RMC");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!view.findChild<QLineEdit*>());
        QTest::qWait(20); // a queued second move would land here
        QCOMPARE(shared->text(1, 2), std::string("RMC"));
        QCOMPARE(view.currentIndex(), model.index(0, 4)); // the hidden column 3 is passed over

        view.edit(view.currentIndex()); // a list cell
        QTRY_VERIFY(qobject_cast<QComboBox*>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!view.findChild<QComboBox*>());
        QTest::qWait(20);
        QCOMPARE(view.currentIndex(), model.index(1, 1));
    }

    void headerDoubleClickSizesOnlyWithTheOptionOn() {
        auto shared = std::make_shared<cfg::Table>(sample_table());
        shared->set_text(1, 2, "a rather long text that needs a wide column");
        ui::TableGridModel model(shared);
        bool auto_size = false;
        ui::GridView view([] { return false; }, [&] { return auto_size; });
        view.setGridModel(&model);
        view.setColumnWidth(2, 40);
        emit view.horizontalHeader()->sectionDoubleClicked(2);
        QCOMPARE(view.columnWidth(2), 40);
        auto_size = true;
        emit view.horizontalHeader()->sectionDoubleClicked(2);
        QVERIFY(view.columnWidth(2) > 100);
    }

    void errorReportShowsTheFailureAndTheProgramGoesOn() {
        bool ran_on = false;
        QVERIFY(!ui::run_reported(nullptr, [] { throw std::runtime_error("Cannot write \"x\": denied"); }));
        QVERIFY(ui::run_reported(nullptr, [&] { ran_on = true; }));
        QVERIFY(ran_on);
        QCOMPARE(ui::MessageService::shownTexts(), QStringList{"Cannot write \"x\": denied"});
    }

    void queuedAnswersAreGivenInOrder() {
        ui::MessageService::queueAnswers({ui::MessageAnswer::Yes});
        QVERIFY(ui::MessageService::confirm(nullptr, "first"));
        QVERIFY(!ui::MessageService::confirm(nullptr, "second")); // nothing queued: No
        QCOMPARE(ui::MessageService::shownTexts(), (QStringList{"first", "second"}));
    }
};

QTEST_MAIN(WidgetsTest)
#include "WidgetsTest.moc"
