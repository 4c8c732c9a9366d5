#pragma once

#include <QString>
#include <QTextDocument>

#include <chrono>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace cfg {
struct Application;
}

namespace ui {

// The report of the active configuration, as the command-line tool writes it, laid out on A4
// pages: the byte map drawn by the screens' own painter as pictures of a few lines each, the
// tables' headers repeated on every page they run onto, and a footer with the report's title and
// the page number on every page. ConfigError when a file of the configuration cannot be read.
class Report_Document {
public:
    Report_Document(const cfg::Application& app, std::chrono::system_clock::time_point now);

    const QTextDocument& document() const { return doc_; }
    QString title() const;
    int page_count() const;

    // Paints the page (from 0) into the target, as large as fits without changing its shape.
    void paint_page(QPainter& painter, int page, const QRectF& target) const;
    // Every page on the device, one after another, each filling the device's page. False when the
    // device cannot be painted on or takes no further page.
    bool paint_pages(QPagedPaintDevice& device) const;

private:
    QTextDocument doc_;
    QString page_number_;
};

} // namespace ui
