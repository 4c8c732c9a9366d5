#include "ByteMapPaints.h"

#include "DataFolderApplication.h"
#include "core/bytemap/ByteMapBuilder.h"
#include "core/bytemap/MapPalette.h"
#include "core/ethercat/ProcessImage.h"
#include "core/nmea/ListenerFile.h"
#include "ui/widgets/ByteMapPainter.h"
#include "ui/widgets/Looks.h"
#include "ui/widgets/Texts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace bench {
namespace {

namespace bytemap = cfg::bytemap;

double painting_time(QImage& canvas, const std::function<void(QPainter&)>& paint) {
    QElapsedTimer timer;
    timer.start();
    QPainter painter(&canvas);
    paint(painter);
    painter.end();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void paint_texts_alone(QPainter& painter, const bytemap::Byte_Map& map) {
    painter.fillRect(QRect(0, 0, map.width, map.height), ui::qt_colour(bytemap::palette::Background));
    QFont font = painter.font();
    font.setPixelSize(map.font_size);
    painter.setFont(font);
    for (const bytemap::Map_Text& text : map.texts)
        painter.drawText(QPoint(text.x, text.baseline), ui::qt_text(text.text));
}

} // namespace

int run_byte_map_paints(int argc, char* argv[]) {
    if (argc != 3)
        return 2;
    const int runs = std::atoi(argv[1]);
    QApplication qt(argc, argv);
    const cfg::Application app = application_with_data(QCoreApplication::arguments().at(2));
    cfg::nmea::Listener_Table listeners;
    cfg::nmea::Load_Listener_Table(listeners, app.File_NMEA_0183_Set_Access);
    const bytemap::Byte_Map map = bytemap::Build_Byte_Map(
        {cfg::nmea::Array_Layout(listeners), cfg::ethercat::Process_Image_Of_File(app.File_EtherCAT_Slave)},
        app.Lang_Strings);
    QImage canvas(map.width, map.height, QImage::Format_ARGB32_Premultiplied);
    const QRect whole(0, 0, map.width, map.height);
    const auto program = [&](QPainter& painter) { ui::paint_byte_map(painter, map, whole); };
    const auto floor = [&](QPainter& painter) { paint_texts_alone(painter, map); };
    painting_time(canvas, program);
    painting_time(canvas, floor);
    for (int run = 0; run < runs; ++run) {
        const double program_ms = painting_time(canvas, program);
        const double floor_ms = painting_time(canvas, floor);
        std::printf("%.3f %.3f\n", program_ms, floor_ms);
    }
    return 0;
}

} // namespace bench
