#include "ScreenReopens.h"

#include "DataFolderApplication.h"
#include "FirstPaint.h"
#include "ui/app/TFMorvelFirmWare.h"
#include "ui/platform/QtHttpClient.h"
#include "ui/platform/QtPath.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/Texts.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {
namespace {

const std::map<std::string, QString> Screen_Windows{
    {"listener", "TFNMEA_0183_Set_Access2"}, {"ethercat", "TFEtherCATSlave"}, {"mqtt", "TFMQTT_Set_Topic"}};

// What one grid of the screen shows, for a plain view to show the same.
struct Grid_Content {
    int rows;
    int columns;
    QStringList headers;
    std::vector<QString> texts; // row by row
    bool shown;
};

Grid_Content content_of(const QTableView& view) {
    const QAbstractItemModel& model = *view.model();
    Grid_Content content{model.rowCount(), model.columnCount(), {}, {}, view.isVisible()};
    for (int column = 0; column < content.columns; ++column)
        content.headers.append(model.headerData(column, Qt::Horizontal).toString());
    for (int row = 0; row < content.rows; ++row)
        for (int column = 0; column < content.columns; ++column)
            content.texts.push_back(model.data(model.index(row, column)).toString());
    return content;
}

// The floor: a dialog of the screen's size with one plain table view a grid of the screen, whose
// model is made and filled anew at each opening, as the screen reads its file anew.
class Floor_Dialog : public QDialog {
public:
    Floor_Dialog(const QDialog& screen, std::vector<Grid_Content> grids) : grids_(std::move(grids)) {
        resize(screen.size());
        auto* layout = new QVBoxLayout(this);
        for (const Grid_Content& grid : grids_) {
            auto* view = new QTableView(this);
            view->setVisible(grid.shown);
            layout->addWidget(view);
            views_.push_back(view);
        }
    }

    void fill() {
        for (std::size_t g = 0; g < grids_.size(); ++g) {
            const Grid_Content& grid = grids_[g];
            auto* model = new QStandardItemModel(grid.rows, grid.columns, views_[g]);
            for (int row = 0; row < grid.rows; ++row)
                for (int column = 0; column < grid.columns; ++column)
                    model->setItem(
                        row, column,
                        new QStandardItem(grid.texts[static_cast<std::size_t>(row * grid.columns + column)]));
            model->setHorizontalHeaderLabels(grid.headers);
            QAbstractItemModel* old = views_[g]->model();
            views_[g]->setModel(model);
            delete old;
        }
    }

private:
    std::vector<Grid_Content> grids_;
    std::vector<QTableView*> views_;
};

// Opens the window until its first paint and closes it; the milliseconds it took, before() included.
template <typename Before> double open_once(QWidget& window, FirstPaint& paint, Before before) {
    QElapsedTimer timer;
    timer.start();
    before();
    paint.reset();
    window.show();
    if (!paint.wait())
        throw std::runtime_error("the window " + window.objectName().toStdString() + " was never painted");
    const double milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    window.hide();
    return milliseconds;
}

} // namespace

int run_screen_reopens(int argc, char* argv[]) {
    if (argc != 4 || !Screen_Windows.contains(argv[1]))
        return 2;
    const int runs = std::atoi(argv[2]);
    QApplication qt(argc, argv);
    cfg::Application app = application_with_data(QCoreApplication::arguments().at(3));
    ui::QtHttpClient http;
    ui::TFMorvelFirmWare main_window(app, http);
    main_window.Timer_Update().stop();
    FirstPaint main_paint(&main_window);
    main_window.show();
    main_paint.wait();

    QDialog* screen = nullptr;
    for (QWidget* window : main_window.windows())
        if (window->objectName() == Screen_Windows.at(argv[1]))
            screen = qobject_cast<QDialog*>(window);
    FirstPaint screen_paint(screen);
    screen->show();
    screen_paint.wait();
    std::vector<Grid_Content> grids;
    // The screen's own grids; a window the screen opens (the topic template editor) keeps its own.
    for (const ui::GridView* view : screen->findChildren<ui::GridView*>())
        if (view->window() == screen)
            grids.push_back(content_of(*view));
    screen->hide();

    Floor_Dialog floor(*screen, std::move(grids));
    FirstPaint floor_paint(&floor);
    const auto fill = [&floor] { floor.fill(); };
    const auto nothing = [] {};
    open_once(floor, floor_paint, fill);
    for (int run = 0; run < runs; ++run) {
        const double program = open_once(*screen, screen_paint, nothing);
        const double bare = open_once(floor, floor_paint, fill);
        std::printf("%.3f %.3f\n", program, bare);
    }
    return 0;
}

} // namespace bench
