#include "LivePreview.h"

#include "DataFolderApplication.h"
#include "core/app/ConfigurationFolders.h"
#include "support/NmeaLog.h"
#include "ui/nmea/PreviewRowsModel.h"
#include "ui/nmea/TFNMEA_0183_Preview.h"
#include "ui/nmea/TFNMEA_0183_Set_Access2.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QTableView>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

// 115200 baud, eight data bits with a start and a stop bit.
constexpr double Bytes_Per_Second = 115200.0 / 10.0;
// The GGA row of the configuration whose latitude minutes are watched, and its latitude's field.
constexpr int Watched_Row = 2;
constexpr std::size_t Latitude_Field = 2;

double cpu_seconds(clockid_t clock) {
    timespec time{};
    clock_gettime(clock, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) / 1e9;
}

// What the preview shows as a GGA line's latitude minutes: its latitude field without the degrees.
std::string latitude_minutes(const std::string& line) {
    std::size_t start = 0;
    for (std::size_t field = 0; field < Latitude_Field; ++field)
        start = line.find(',', start) + 1;
    return line.substr(start + 2, line.find(',', start) - start - 2);
}

// Writes the log's seconds to the pseudo-terminal's master at the pace of the baud rate, noting when
// each GGA line went out, until the time is up.
class Paced_Writer {
public:
    Paced_Writer(int master, double seconds) : master_(master), seconds_(seconds) {}

    void run() {
        const Clock::time_point start = Clock::now();
        double bytes = 0;
        for (long second = 0; Clock::now() - start < std::chrono::duration<double>(seconds_); ++second) {
            const std::string text = cfg::bench::Nmea_Second(second);
            for (std::size_t begin = 0; begin < text.size();) {
                const std::size_t end = text.find('\n', begin) + 1;
                const std::string line = text.substr(begin, end - begin);
                std::this_thread::sleep_until(start +
                                              std::chrono::duration_cast<Clock::duration>(
                                                  std::chrono::duration<double>(bytes / Bytes_Per_Second)));
                if (::write(master_, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
                    throw std::runtime_error("writing to the pseudo-terminal failed");
                if (line.starts_with("$GPGGA")) {
                    const std::lock_guard lock(mutex_);
                    written_.push_back({latitude_minutes(line), Clock::now()});
                }
                bytes += static_cast<double>(line.size());
                begin = end;
            }
        }
        cpu_seconds_ = cpu_seconds(CLOCK_THREAD_CPUTIME_ID);
    }

    struct Written {
        std::string latitude;
        Clock::time_point at;
    };
    std::vector<Written> written() const {
        const std::lock_guard lock(mutex_);
        return written_;
    }
    double cpu() const { return cpu_seconds_; }

private:
    int master_;
    double seconds_;
    mutable std::mutex mutex_;
    std::vector<Written> written_;
    double cpu_seconds_ = 0;
};

// Notes when each latitude is first about to be painted in the rows' view.
class Paint_Watch : public QObject {
public:
    explicit Paint_Watch(QTableView* view) : view_(view) { view->viewport()->installEventFilter(this); }

    const std::map<std::string, Clock::time_point>& shown() const { return shown_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QAbstractItemModel* model = view_->model();
            const QString latitude =
                model->data(model->index(Watched_Row, ui::PreviewRowsModel::Received)).toString();
            shown_.try_emplace(latitude.toStdString(), Clock::now());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTableView* view_;
    std::map<std::string, Clock::time_point> shown_;
};

// Each written line's delay: until its latitude or a later one was first painted. A line after the
// last one painted has none.
std::vector<double> delays(const std::vector<Paced_Writer::Written>& written,
                           const std::map<std::string, Clock::time_point>& shown) {
    std::vector<double> result;
    std::optional<Clock::time_point> next_shown;
    for (auto line = written.rbegin(); line != written.rend(); ++line) {
        if (const auto painted = shown.find(line->latitude); painted != shown.end())
            next_shown = next_shown ? std::min(*next_shown, painted->second) : painted->second;
        if (next_shown)
            result.push_back(std::chrono::duration<double, std::milli>(*next_shown - line->at).count());
    }
    return result;
}

// The child of that class and name; of that class alone without a name.
template <typename T> T* child(QObject* parent, const char* name = nullptr) {
    T* found = parent->findChild<T*>(name ? QString(name) : QString());
    if (!found)
        throw std::runtime_error(std::string("no ") + (name ? name : T::staticMetaObject.className()) +
                                 " in " + parent->objectName().toStdString());
    return found;
}

} // namespace

int run_live_preview(int argc, char* argv[]) {
    if (argc != 3)
        return 2;
    const double seconds = std::atof(argv[1]);
    QApplication qt(argc, argv);
    cfg::Application app = application_with_data(QCoreApplication::arguments().at(2));
    cfg::Open_Project(app, cfg::bench::Log_Name);

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    ui::TFNMEA_0183_Set_Access2 listener(app, nullptr);
    listener.show();
    child<QPushButton>(&listener, "Btn_Preview")->click();
    auto* preview = child<ui::TFNMEA_0183_Preview>(&listener);
    child<QComboBox>(preview, "CB_Port")->setEditText(QString::fromLocal8Bit(ptsname(master)));
    child<QPushButton>(preview, "Btn_OpenPort")->click();
    auto* rows = child<QTableView>(preview, "ASG_Rows");
    rows->scrollTo(rows->model()->index(Watched_Row, 0));
    Paint_Watch watch(rows);
    QCoreApplication::processEvents();

    Paced_Writer writer(master, seconds);
    const double cpu_before = cpu_seconds(CLOCK_PROCESS_CPUTIME_ID);
    QElapsedTimer elapsed;
    elapsed.start();
    std::thread writing([&writer] { writer.run(); });
    while (elapsed.elapsed() < static_cast<qint64>(seconds * 1000) + 500)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    writing.join();
    const double cpu = cpu_seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu_before - writer.cpu();
    const double wall = static_cast<double>(elapsed.elapsed()) / 1e3;

    std::vector<double> waits = delays(writer.written(), watch.shown());
    if (waits.empty())
        throw std::runtime_error("the preview never painted a latitude that was written");
    std::sort(waits.begin(), waits.end());
    std::printf("%.2f %.1f %.1f\n", 100.0 * cpu / wall, waits.back(), waits[waits.size() / 2]);
    ::close(master);
    return 0;
}

} // namespace bench
