// How long the listener screen takes to open on a full 100-row file: load, fill the grid, show.
#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "support/TempDir.h"
#include "ui/nmea/TFNMEA_0183_Set_Access2.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string full_listener_file() {
    std::string rows;
    for (int row = 1; row <= 100; ++row)
        rows += "<row Enable=\"Y\" Serial_Channel=\"RS232\" Sentence=\"GGA\" Index=\"\" "
                "DataField=\"Latitude, Minutes [floating point]\" PortOperation=\": 100\" SwapAll=\"N\" "
                "Swap16=\"Y\" Position=\"" +
                std::to_string(row * 4) + "\" Mnemonic=\"Latitude " + std::to_string(row) + "\"/>";
    return "<NMEA_0183><NMEA_Listener>" + rows + "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.000-->";
}

void OpenListenerScreenOnAFullFile(benchmark::State& state) {
    cfg::test::TempDir dir;
    cfg::Application app = cfg::Start_Application(dir.path());
    cfg::Create_New_Project(app, "Full");
    cfg::test::write_bytes(app.File_NMEA_0183_Set_Access, full_listener_file());
    ui::TFNMEA_0183_Set_Access2 dialog(app, nullptr);
    for (auto _ : state) {
        dialog.show();
        QApplication::processEvents();
        dialog.hide();
    }
}
BENCHMARK(OpenListenerScreenOnAFullFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
