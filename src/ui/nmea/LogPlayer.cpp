#include "ui/nmea/LogPlayer.h"

#include <QElapsedTimer>

#include <array>

namespace ui {
namespace {

// How long one slice of playing may keep the window from painting.
constexpr qint64 Slice_Ms = 20;
constexpr qint64 Block_Size = 16384;

} // namespace

LogPlayer::LogPlayer(cfg::nmea::Log_Lines::Visit sink, QObject* parent)
    : QObject(parent), sink_(std::move(sink)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &LogPlayer::tick);
}

bool LogPlayer::start(const QString& file, bool as_fast_as_possible, QString& reason) {
    stop();
    file_.setFileName(file);
    if (!file_.open(QIODevice::ReadOnly)) {
        reason = file_.errorString();
        return false;
    }
    fast_ = as_fast_as_possible;
    timer_.start(0);
    return true;
}

void LogPlayer::pause() {
    timer_.stop();
}

void LogPlayer::resume() {
    if (file_.isOpen())
        timer_.start(0);
}

void LogPlayer::stop() {
    timer_.stop();
    file_.close();
    lines_ = {};
    pending_.clear();
    pace_ = {};
    waited_ = false;
    read_to_end_ = false;
}

void LogPlayer::tick() {
    QElapsedTimer slice;
    slice.start();
    bool handed_on = false;
    while (slice.elapsed() < Slice_Ms) {
        if (pending_.empty() && !fill()) {
            if (handed_on)
                emit advanced();
            if (file_.error() != QFileDevice::NoError) {
                const QString reason = file_.errorString();
                stop();
                emit failed(reason);
            } else {
                stop();
                emit finished();
            }
            return;
        }
        const auto& [line, cut] = pending_.front();
        if (!fast_ && !waited_) {
            waited_ = true;
            if (const auto wait = pace_.Wait_Before(line); wait.count() > 0) {
                if (handed_on)
                    emit advanced();
                timer_.start(wait);
                return;
            }
        }
        sink_(line, cut);
        pending_.pop_front();
        waited_ = false;
        handed_on = true;
    }
    if (handed_on)
        emit advanced();
    timer_.start(0);
}

bool LogPlayer::fill() {
    const cfg::nmea::Log_Lines::Visit keep = [this](std::string_view line, bool cut) {
        pending_.emplace_back(std::string(line), cut);
    };
    std::array<char, Block_Size> block{};
    while (pending_.empty() && !read_to_end_) {
        const qint64 read = file_.read(block.data(), block.size());
        if (read < 0)
            return false;
        if (read == 0) {
            lines_.Finish(keep);
            read_to_end_ = true;
        } else {
            lines_.Feed(std::string_view(block.data(), static_cast<std::size_t>(read)), keep);
        }
    }
    return !pending_.empty();
}

} // namespace ui
