#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "core/lang/Language.h"
#include "core/lang/VersionCheck.h"
#include "support/TempDir.h"
#include "ui/app/TFMorvelFirmWare.h"
#include "ui/widgets/MessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QStyleOptionHeader>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

class NoHttp : public cfg::HttpClient {
public:
    std::optional<std::string> get(const std::string&, const std::string&) override { return std::nullopt; }
};

// The widest line of a caption, mnemonic marks left out.
int caption_width(const QFontMetrics& metrics, QString text) {
    text.remove(QRegularExpression("&(?!&)"));
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// One caption that does not fit: where, what, and the room it has.
QString cut(const QWidget* widget, const QString& caption, int needed, int room) {
    return QString("%1 / %2: \"%3\" needs %4 px, has %5 px")
        .arg(widget->window()->objectName(),
             widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName(),
             caption)
        .arg(needed)
        .arg(room);
}

void check_button(const QAbstractButton* button, QStringList& cuts) {
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const bool check_box =
        qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button);
    const QStyle::SubElement contents =
        qobject_cast<const QCheckBox*>(button)
            ? QStyle::SE_CheckBoxContents
            : (qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                         : QStyle::SE_PushButtonContents);
    const int room = button->style()->subElementRect(contents, &option, button).width();
    int needed = caption_width(button->fontMetrics(), button->text());
    if (!check_box && !button->icon().isNull())
        needed += button->iconSize().width() + 4;
    if (needed > room)
        cuts << cut(button, button->text(), needed, room);
}

void check_label(const QLabel* label, QStringList& cuts) {
    if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull())
        return;
    QString text = label->text();
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    const int room = label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
    const int needed = caption_width(label->fontMetrics(), text);
    if (needed > room)
        cuts << cut(label, text, needed, room);
}

void check_tabs(const QTabBar* bar, QStringList& cuts) {
    const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        const int needed = caption_width(bar->fontMetrics(), bar->tabText(i)) + padding;
        if (needed > bar->tabRect(i).width())
            cuts << cut(bar, bar->tabText(i), needed, bar->tabRect(i).width());
    }
}

void check_group(const QGroupBox* group, QStringList& cuts) {
    if (group->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect label =
        group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    const int needed = label.left() + caption_width(group->fontMetrics(), group->title());
    if (needed > group->contentsRect().right())
        cuts << cut(group, group->title(), needed, group->contentsRect().right());
}

// A closed list shows its chosen item; any of its items may be the chosen one.
void check_combo(const QComboBox* combo, QStringList& cuts) {
    if (combo->isEditable())
        return;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = false;
    const int room = combo->style()
                         ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                         .width();
    for (int item = 0; item < combo->count(); ++item) {
        const int needed = caption_width(combo->fontMetrics(), combo->itemText(item));
        if (needed > room)
            cuts << cut(combo, combo->itemText(item), needed, room);
    }
}

// A table's column captions, for its visible columns. A column narrower than its caption would
// show it cut.
void check_header(const QHeaderView* header, QStringList& cuts) {
    if (header->orientation() != Qt::Horizontal || !header->model())
        return;
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        QStyleOptionHeader option;
        option.initFrom(header);
        option.section = section;
        option.text = header->model()->headerData(section, Qt::Horizontal).toString();
        const int needed =
            header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).width();
        if (needed > header->sectionSize(section))
            cuts << cut(header, option.text, needed, header->sectionSize(section));
    }
}

// The captions of a window's visible controls that are wider than the room their control gives.
QStringList cut_captions(QWidget* window) {
    QStringList cuts;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window || !widget->isVisibleTo(window))
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            check_button(button, cuts);
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            check_label(label, cuts);
        else if (const auto* bar = qobject_cast<const QTabBar*>(widget))
            check_tabs(bar, cuts);
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            check_group(group, cuts);
        else if (const auto* header = qobject_cast<const QHeaderView*>(widget))
            check_header(header, cuts);
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            check_combo(combo, cuts);
    }
    return cuts;
}

// The preview window is made when the listener screen first opens it; each of its pages is checked.
QStringList cut_captions_of_preview(QWidget* listener) {
    listener->show();
    listener->findChild<QPushButton*>("Btn_Preview")->click();
    QApplication::processEvents();
    auto* preview = listener->findChild<QWidget*>("TFNMEA_0183_Preview");
    auto* pages = preview->findChild<QTabWidget*>("TS_Views");
    QStringList cuts;
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        cuts << cut_captions(preview);
    }
    preview->hide();
    listener->hide();
    return cuts;
}

} // namespace

// Every window in every shipped language, with the example configuration open so the screens show
// what they show in use: no caption is cut.
class CaptionsFitTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ui::MessageService::startTestMode(); }
    void cleanup() { ui::MessageService::reset(); }

    void everyCaptionFitsItsControl_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        for (const auto& entry : fs::directory_iterator(SHIPPED_LANGUAGES_DIR))
            if (entry.path().extension() == ".lng" && entry.path().stem() != "English") {
                const std::string name = entry.path().stem().string();
                QTest::newRow(name.c_str()) << QString::fromStdString(name);
            }
    }

    void everyCaptionFitsItsControl() {
        QFETCH(QString, language);
        cfg::test::TempDir dir;
        fs::create_directories(dir / "LANGUAGE");
        for (const auto& entry : fs::directory_iterator(SHIPPED_LANGUAGES_DIR))
            fs::copy_file(entry.path(), dir / "LANGUAGE" / entry.path().filename());
        cfg::Application app = cfg::Start_Application(dir.path());
        cfg::Create_New_Project(app, "Bridge");
        for (const auto& example : fs::directory_iterator(EXAMPLE_CONFIGURATION_DIR))
            fs::copy_file(example.path(), app.Path_Project / example.path().filename());
        app.App_Settings.Language_Name = language.toStdString();
        cfg::Load_Language(app.Lang_Strings, app.language_folders(), app.App_Settings.Language_Name);
        QCOMPARE(QString::fromStdString(app.App_Settings.Language_Name), language);

        NoHttp http;
        ui::TFMorvelFirmWare main_window(app, http);
        QStringList cuts;
        for (QWidget* window : main_window.windows()) {
            window->show();
            QApplication::processEvents();
            cuts << cut_captions(window);
            window->hide();
        }
        cuts << cut_captions_of_preview(main_window.findChild<QWidget*>("TFNMEA_0183_Set_Access2"));
        QVERIFY2(cuts.isEmpty(), qPrintable("\n" + cuts.join('\n')));
    }
};

QTEST_MAIN(CaptionsFitTest)
#include "CaptionsFitTest.moc"
