#include "core/common/Table.h"
#include "ui/widgets/AddressDotJump.h"
#include "ui/widgets/ByteMapPainter.h"
#include "ui/widgets/ByteMapView.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/GridDelegate.h"
#include "ui/widgets/GridHeader.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/Looks.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/TableGridModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

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

    void modelWithAComputedColumnPassesTheModelTester() {
        ui::TableGridModel model(std::make_shared<cfg::Table>(sample_table()));
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.addComputedColumn([](int row) { return QString::number(row * 10); });
        model.tableChanged();
    }

    // Row numbers, computed cells and cells the screen locks look read-only; a warned row looks
    // warned whole and says why over every cell.
    void cellsShowWhetherTheyCanBeEditedAndWhyARowIsWarned() {
        auto shared = std::make_shared<cfg::Table>(sample_table());
        ui::TableGridModel model(shared);
        model.setEditableCell(
            [](int row, int column) { return !(row == 1 && (column == 1 || column == 2)); });
        const int computed = model.addComputedColumn([](int row) { return QString("bytes %1").arg(row); });
        model.setRowWarning([](int row) { return row == 3 ? QString("overlaps row 1") : QString(); });
        const auto background = [&](int row, int column) {
            return model.index(row - 1, column).data(Qt::BackgroundRole).value<QColor>();
        };
        struct Case {
            int row;
            int column;
            QColor expected;
        };
        for (const Case& c :
             {Case{1, 0, ui::read_only_background()}, Case{1, 1, ui::read_only_background()},
              Case{1, 2, ui::read_only_background()}, Case{1, computed, ui::read_only_background()},
              Case{2, 1, QColor()}, Case{2, 2, QColor()}, Case{3, 0, ui::warning_background()},
              Case{3, 2, ui::warning_background()}, Case{3, computed, ui::warning_background()}})
            QCOMPARE(background(c.row, c.column), c.expected);
        QCOMPARE(model.index(2, 4).data(Qt::ToolTipRole).toString(), QString("overlaps row 1"));
        QVERIFY(!model.index(1, 4).data(Qt::ToolTipRole).isValid());
    }

    void aComputedColumnFollowsTheTableAndTakesNoEdit() {
        ui::TableGridModel model(std::make_shared<cfg::Table>(sample_table()));
        const int computed = model.addComputedColumn([](int row) { return QString("bytes %1").arg(row); });
        model.setComputedHeader(computed, "Bytes");
        QCOMPARE(computed, 5);
        QCOMPARE(model.headerData(computed, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Bytes"));
        QCOMPARE(model.index(1, computed).data().toString(), QString("bytes 2"));
        QVERIFY(!model.setData(model.index(1, computed), "x", Qt::EditRole));
        QVERIFY(!(model.flags(model.index(1, computed)) & Qt::ItemIsEditable));
        QVERIFY(model.isColumnShown(computed));
        QVERIFY(!model.isColumnShown(3));
    }

    void aCellMayHideItsTextWithoutLosingIt() {
        auto shared = std::make_shared<cfg::Table>(sample_table());
        shared->set_text(2, 2, "0");
        ui::TableGridModel model(shared);
        model.setCellShowsText([](int row, int) { return row != 2; });
        QCOMPARE(model.index(1, 2).data(Qt::DisplayRole).toString(), QString());
        QCOMPARE(model.index(1, 2).data(Qt::EditRole).toString(), QString("0"));
    }

    // A text cut by its column comes whole in the tool tip, before the model's own tool tip.
    void aCutTextGetsAToolTip() {
        auto shared = std::make_shared<cfg::Table>(sample_table());
        shared->set_text(1, 2, "Water depth relative to transducer, meters [floating point]");
        shared->set_text(2, 2, "GGA");
        shared->set_text(3, 2, "Water depth relative to transducer, meters [floating point]");
        ui::TableGridModel model(shared);
        model.setRowWarning([](int row) { return row == 3 ? QString("overlaps row 1") : QString(); });
        ui::GridView view([] { return false; }, [] { return false; });
        view.setGridModel(&model);
        view.setColumnWidth(2, 80);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto* delegate = static_cast<ui::GridDelegate*>(view.itemDelegate());
        const auto tip = [&](int row) {
            QStyleOptionViewItem option;
            option.initFrom(&view);
            option.widget = &view;
            option.rect = view.visualRect(model.index(row - 1, 2));
            return delegate->toolTip(option, model.index(row - 1, 2));
        };
        QCOMPARE(tip(1), QString("Water depth relative to transducer, meters [floating point]"));
        QCOMPARE(tip(2), QString());
        QCOMPARE(tip(3),
                 QString("Water depth relative to transducer, meters [floating point]\noverlaps row 1"));
        view.setColumnWidth(2, 600);
        QCOMPARE(tip(1), QString());
    }

    // A column is sized at least to its caption; one the user narrows shows its caption in the tool tip.
    void aCutHeaderIsWidenedAndShowsItsCaptionInTheToolTip() {
        auto shared = std::make_shared<cfg::Table>(sample_table());
        shared->set_text(0, 2, "A caption much wider than its column");
        ui::TableGridModel model(shared);
        ui::GridView view([] { return false; }, [] { return false; });
        view.setGridModel(&model);
        view.setColumnWidth(2, 20);
        ui::GridHeader* header = view.gridHeader();
        QVERIFY(header->isCaptionCut(2));
        header->fitSectionsToCaptions();
        QVERIFY(!header->isCaptionCut(2));

        view.setColumnWidth(2, 20);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QPoint at(header->sectionViewportPosition(2) + 5, header->height() / 2);
        QHelpEvent help(QEvent::ToolTip, at, header->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(header->viewport(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY2(QToolTip::text().startsWith("A caption much wider than its column"),
                 qPrintable(QToolTip::text()));
        QToolTip::hideText();
    }

    // Any block shows its text under the pointer; only the blocks of the screen's own lane are rows
    // it can select.
    void theByteMapShowsHoverTextsAndReportsClicksOnItsOwnLane() {
        using cfg::bytemap::Map_Lane;
        cfg::bytemap::Byte_Map map;
        map.width = 200;
        map.height = 100;
        map.blocks = {{Map_Lane::Listener, 3, false, "Row 3", {{10, 10, 20, 20}}},
                      {Map_Lane::Variables, 4, false, "Row 4", {{40, 10, 20, 20}}}};
        ui::ByteMapView view(Map_Lane::Listener);
        view.setMap(map);
        QCOMPARE(view.size(), QSize(200, 100));
        QCOMPARE(view.picture().size(), QSize(200, 100));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        QSignalSpy clicked(&view, &ui::ByteMapView::rowClicked);
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(15, 15));
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(45, 15));
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(100, 80));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 3);

        QHelpEvent help(QEvent::ToolTip, QPoint(45, 15), view.mapToGlobal(QPoint(45, 15)));
        QApplication::sendEvent(&view, &help);
        QTRY_COMPARE(QToolTip::text(), QString("Row 4"));
    }

    // The map never outlines a box narrower than a byte; the smallest here is two pixels. A screen
    // of higher density paints at a scale.
    void theByteMapOutlinesABoxAsAPenOfItsWidthWould_data() {
        QTest::addColumn<QRect>("box");
        QTest::addColumn<int>("width");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("two by two") << QRect(5, 5, 2, 2) << 1 << 1.0;
        QTest::newRow("a block") << QRect(3, 4, 37, 18) << 1 << 1.0;
        QTest::newRow("a marked block") << QRect(3, 4, 37, 18) << 2 << 1.0;
        QTest::newRow("a block at 1.5") << QRect(3, 4, 37, 18) << 1 << 1.5;
        QTest::newRow("a block at 2") << QRect(3, 4, 37, 18) << 1 << 2.0;
        QTest::newRow("a marked block at 2") << QRect(3, 4, 37, 18) << 2 << 2.0;
    }

    void theByteMapOutlinesABoxAsAPenOfItsWidthWould() {
        QFETCH(QRect, box);
        QFETCH(int, width);
        QFETCH(qreal, scale);
        namespace palette = cfg::bytemap::palette;
        cfg::bytemap::Byte_Map map;
        map.width = 50;
        map.height = 30;
        map.boxes = {{{box.x(), box.y(), box.width(), box.height()},
                      palette::Image_Lane,
                      palette::Block_Border,
                      {},
                      width}};
        const auto canvas = [&] {
            QImage image(QSize(map.width, map.height) * scale, QImage::Format_RGB32);
            image.setDevicePixelRatio(scale);
            return image;
        };

        QImage painted = canvas();
        QPainter map_painter(&painted);
        ui::paint_byte_map(map_painter, map, QRect(0, 0, map.width, map.height));
        map_painter.end();

        QImage expected = canvas();
        QPainter painter(&expected);
        painter.fillRect(QRect(0, 0, map.width, map.height), ui::qt_colour(palette::Background));
        painter.fillRect(box, ui::qt_colour(palette::Image_Lane));
        painter.setPen(QPen(ui::qt_colour(palette::Block_Border), width));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.end();
        QCOMPARE(painted, expected);
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

    // Fields 0 to 2 are a chain, field 3 is watched alone, field 4 is not watched.
    void aDotMovesAlongItsChainAndIsNeverTyped_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("disabled");
        QTest::addColumn<int>("focused");
        QTest::addColumn<QString>("typed");
        QTest::newRow("to the next field") << 0 << -1 << 1 << "";
        QTest::newRow("next field disabled") << 1 << 2 << 1 << "";
        QTest::newRow("end of the chain") << 2 << -1 << 2 << "";
        QTest::newRow("a field of no chain") << 3 << -1 << 3 << "";
        QTest::newRow("a field not watched") << 4 << -1 << 4 << ".";
    }

    void aDotMovesAlongItsChainAndIsNeverTyped() {
        QFETCH(int, from);
        QFETCH(int, disabled);
        QFETCH(int, focused);
        QFETCH(QString, typed);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        std::vector<QLineEdit*> fields;
        for (int i = 0; i < 5; ++i)
            layout->addWidget(fields.emplace_back(new QLineEdit(&window)));
        auto* dot_jump = new ui::AddressDotJump(&window);
        dot_jump->chain({fields[0], fields[1], fields[2]});
        dot_jump->watch(fields[3]);
        if (disabled >= 0)
            fields[static_cast<std::size_t>(disabled)]->setEnabled(false);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit* field = fields[static_cast<std::size_t>(from)];
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());

        QTest::keyClick(field, '.');
        QTRY_VERIFY(fields[static_cast<std::size_t>(focused)]->hasFocus());
        QCOMPARE(field->text(), typed);
        QTest::keyClick(fields[static_cast<std::size_t>(focused)], '7');
        QCOMPARE(fields[static_cast<std::size_t>(focused)]->text(), typed + "7");
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

    // A real box, answered with Enter as the walk did: a question whose Yes loses data keeps it.
    void enterOnAQuestionGivesNoWhereYesLosesData_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("loses");
        QTest::addColumn<int>("answer");
        using ui::MessageAnswer;
        using ui::MessageButtons;
        QTest::newRow("a plain question") << int(MessageButtons::YesNo) << false << int(MessageAnswer::Yes);
        QTest::newRow("yes loses data") << int(MessageButtons::YesNo) << true << int(MessageAnswer::No);
        QTest::newRow("yes loses data, with cancel")
            << int(MessageButtons::YesNoCancel) << true << int(MessageAnswer::No);
    }
    void enterOnAQuestionGivesNoWhereYesLosesData() {
        QFETCH(int, buttons);
        QFETCH(bool, loses);
        QFETCH(int, answer);
        ui::MessageService::reset(); // the real box
        QTimer::singleShot(0, [] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
        });
        const ui::MessageAnswer given = ui::MessageService::show(
            nullptr, ui::MessageIcon::Question, "lose it?", ui::MessageButtons(buttons),
            loses ? ui::YesLoses::Data : ui::YesLoses::Nothing);
        QCOMPARE(int(given), answer);

        // The test hook tells the same.
        ui::MessageService::startTestMode();
        ui::MessageService::show(nullptr, ui::MessageIcon::Question, "lose it?", ui::MessageButtons(buttons),
                                 loses ? ui::YesLoses::Data : ui::YesLoses::Nothing);
        QCOMPARE(int(ui::MessageService::enterAnswers().last()), answer);
    }
};

QTEST_MAIN(WidgetsTest)
#include "WidgetsTest.moc"
