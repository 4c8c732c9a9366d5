#include "ui/report/ReportDocument.h"

#include "core/app/Application.h"
#include "core/bytemap/ByteMapBuilder.h"
#include "core/lang/TextFill.h"
#include "core/report/HtmlReport.h"
#include "ui/report/ReportWindowTexts.h"
#include "ui/widgets/ByteMapPainter.h"
#include "ui/widgets/Texts.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextFrame>
#include <QUrl>

#include <algorithm>
#include <string>
#include <vector>

namespace ui {
namespace {

// The page in the document's units, pixels of 1/96 inch, and its margins; the footer stands in the
// bottom margin.
constexpr qreal Units_Per_Inch = 96;
constexpr qreal Units_Per_Mm = Units_Per_Inch / 25.4;
constexpr qreal Side_Margin = 15 * Units_Per_Mm;
constexpr qreal Top_Margin = 15 * Units_Per_Mm;
constexpr qreal Bottom_Margin = 20 * Units_Per_Mm;
constexpr qreal Footer_Top = 8 * Units_Per_Mm; // below the body
constexpr qreal Footer_Font_Pixels = 8 * Units_Per_Inch / 72;

// A4 landscape.
QSizeF page_size() {
    return QPageSize(QPageSize::A4).size(QPageSize::Inch).transposed() * Units_Per_Inch;
}

qreal body_width() {
    return page_size().width() - 2 * Side_Margin;
}

// The tables in a smaller type than the text, as on paper: the listener table's twelve columns then
// fit across a page without breaking their words.
constexpr const char* Page_Style = "th, td { font-size: 8pt; }\n";

// The byte map in pictures of this many of its lines each, so that a picture fits on a page
// and the map runs from one page onto the next between its lines, never through one.
constexpr int Lines_Per_Picture = 16;
// Pixels of a picture per pixel of the map: sharp enough to read its small texts on paper.
constexpr int Picture_Scale = 2;

int line_top(int line) {
    return cfg::bytemap::Lane_Rect(cfg::bytemap::Map_Lane::Listener,
                                   std::int64_t{line} * cfg::bytemap::Bytes_Per_Line,
                                   std::int64_t{line} * cfg::bytemap::Bytes_Per_Line)
        .y;
}

QImage map_picture(const cfg::bytemap::Byte_Map& map, int top, int bottom) {
    QImage picture(map.width * Picture_Scale, (bottom - top) * Picture_Scale, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.scale(Picture_Scale, Picture_Scale);
    painter.translate(0, -top);
    paint_byte_map(painter, map, QRect(0, top, map.width, bottom - top));
    return picture;
}

struct Map_Picture {
    QString name;
    QImage image;
};

// Cuts the map into pictures as wide as the page's body, the first with the legend and the
// column numbers above its lines.
std::vector<cfg::report::Report_Picture> cut_map(const cfg::bytemap::Byte_Map& map,
                                                 std::vector<Map_Picture>& pictures) {
    std::vector<cfg::report::Report_Picture> placed;
    const qreal scale = std::min<qreal>(1, (body_width() - 2) / map.width);
    for (int first_line = 0, top = 0; top < map.height; first_line += Lines_Per_Picture) {
        const int bottom = std::min(map.height, line_top(first_line + Lines_Per_Picture));
        const QString name = QString("byte-map-%1").arg(pictures.size() + 1);
        pictures.push_back({name, map_picture(map, top, bottom)});
        placed.push_back({name.toStdString(), static_cast<int>(map.width * scale),
                          static_cast<int>((bottom - top) * scale)});
        top = bottom;
    }
    return placed;
}

} // namespace

Report_Document::Report_Document(const cfg::Application& app, std::chrono::system_clock::time_point now)
    : page_number_(text_of(app.Lang_Strings, report_text::Page_Number)) {
    std::vector<Map_Picture> pictures;
    doc_.setDefaultStyleSheet(Page_Style);
    doc_.setHtml(QString::fromStdString(cfg::report::Configuration_Report_Html(
        app, now, [&pictures](const cfg::bytemap::Byte_Map& map) { return cut_map(map, pictures); })));
    for (const Map_Picture& picture : pictures)
        doc_.addResource(QTextDocument::ImageResource, QUrl(picture.name), picture.image);
    QTextFrameFormat margins = doc_.rootFrame()->frameFormat();
    margins.setLeftMargin(Side_Margin);
    margins.setRightMargin(Side_Margin);
    margins.setTopMargin(Top_Margin);
    margins.setBottomMargin(Bottom_Margin);
    doc_.rootFrame()->setFrameFormat(margins);
    doc_.setPageSize(page_size());
}

QString Report_Document::title() const {
    return doc_.metaInformation(QTextDocument::DocumentTitle);
}

int Report_Document::page_count() const {
    return doc_.pageCount();
}

void Report_Document::paint_page(QPainter& painter, int page, const QRectF& target) const {
    const QSizeF size = page_size();
    const qreal scale = std::min(target.width() / size.width(), target.height() / size.height());
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(), size), Qt::white);

    const QRectF shown(0, page * size.height(), size.width(), size.height());
    painter.save();
    painter.translate(0, -shown.top());
    painter.setClipRect(shown);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = shown;
    // The page is paper, whatever the desktop's colours.
    context.palette.setColor(QPalette::Text, Qt::black);
    doc_.documentLayout()->draw(&painter, context);
    painter.restore();

    QFont font = doc_.defaultFont();
    font.setPixelSize(qRound(Footer_Font_Pixels));
    painter.setFont(font);
    painter.setPen(Qt::darkGray);
    const QRectF footer(Side_Margin, size.height() - Bottom_Margin + Footer_Top, body_width(),
                        2 * Footer_Font_Pixels);
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, title());
    painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                     qt_text(cfg::Fill_Text(page_number_.toStdString(),
                                            {std::to_string(page + 1), std::to_string(page_count())})));
    painter.restore();
}

bool Report_Document::paint_pages(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF whole(0, 0, device.width(), device.height());
    for (int page = 0; page < page_count(); ++page) {
        if (page > 0 && !device.newPage())
            return false;
        paint_page(painter, page, whole);
    }
    return painter.end();
}

} // namespace ui
