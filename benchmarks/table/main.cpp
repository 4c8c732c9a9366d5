// scripts/bench's table: each measure of the program beside a floor the benchmark builds itself,
// the two run alternately, as medians with their smallest and largest value and the ratio of the
// medians. Usage: configurator-bench-table [RUNS] (15 when not given). The rows under Xvfb need
// DISPLAY (scripts/bench runs this under xvfb-run when it is installed).
#include "ChildRun.h"
#include "Samples.h"
#include "support/MaximalConfiguration.h"

#include "core/app/Application.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using bench::Child_Cost;
using bench::run_child;
using bench::Spread;
using bench::spread_of;

struct Row {
    std::string measure;
    std::string program;
    std::string floor;
    std::string ratio;
};

// Runs program and floor alternately, after one run of each that is not counted (it fills the
// caches); the figures the two give, in run order.
struct Pair_Figures {
    std::vector<double> program;
    std::vector<double> floor;
};

Pair_Figures alternate(int runs, const std::function<double()>& program,
                       const std::function<double()>& floor) {
    program();
    floor();
    Pair_Figures figures;
    for (int run = 0; run < runs; ++run) {
        figures.program.push_back(program());
        figures.floor.push_back(floor());
    }
    return figures;
}

Row row(std::string measure, const Pair_Figures& figures, const char* unit, const std::string& floor_note) {
    const Spread program = spread_of(figures.program);
    const Spread floor = spread_of(figures.floor);
    return {std::move(measure), bench::spread_text(program, unit),
            bench::spread_text(floor, unit) + " " + floor_note, bench::ratio_text(program, floor)};
}

void progress(const std::string& text) {
    std::cerr << text << "..." << std::endl;
}

class Bench_Table {
public:
    Bench_Table(int runs, std::filesystem::path home) : runs_(runs), home_(std::move(home)) {}

    // The start beside a bare window of the main window's size; with a caption, beside the same
    // window showing one line of text, which tells what any window with text costs at its start.
    void measure_start(const char* platform, const std::string& where, bool with_memory, bool captioned = false) {
        progress("Starting the program and a " + std::string(captioned ? "captioned" : "bare") + " window " + where);
        const std::vector<std::string> settings{std::string("QT_QPA_PLATFORM=") + platform};
        const std::vector<std::string> program{CONFIGURATOR_BENCH_GUI, "program", "--home", home_.string()};
        std::istringstream size(run_child(program, settings).output);
        std::string width;
        std::string height;
        size >> width >> height;
        const std::vector<std::string> bare{CONFIGURATOR_BENCH_GUI, captioned ? "captioned" : "bare", width, height};
        Pair_Figures memory;
        const Pair_Figures times = alternate(
            runs_,
            [&] {
                const Child_Cost cost = run_child(program, settings);
                memory.program.push_back(cost.peak_mb);
                return cost.wall_ms;
            },
            [&] {
                const Child_Cost cost = run_child(bare, settings);
                memory.floor.push_back(cost.peak_mb);
                return cost.wall_ms;
            });
        rows_.push_back(row("GUI start to first painted main window, " + where, times, "ms",
                            "(" + std::string(captioned ? "captioned" : "bare") + " " + width + " x " + height +
                                " Qt window, ended the same way)"));
        if (with_memory)
            rows_.push_back(row("peak memory at start, " + where, memory, "MiB", "(the bare window)"));
    }

    void measure_reopen(const char* screen, const std::string& measure) {
        progress("Opening the " + std::string(screen) + " screen and plain table views, offscreen");
        const Child_Cost cost =
            run_child({CONFIGURATOR_BENCH_GUI, "reopen", screen, std::to_string(runs_), home_.string()},
                      {"QT_QPA_PLATFORM=offscreen"});
        Pair_Figures figures;
        std::istringstream lines(cost.output);
        for (double program = 0, floor = 0; lines >> program >> floor;) {
            figures.program.push_back(program);
            figures.floor.push_back(floor);
        }
        rows_.push_back(row(measure, figures, "ms", "(QTableView over a filled QStandardItemModel)"));
    }

    void measure_cli(const std::string& measure, const std::vector<std::string>& command) {
        progress("Running configurator-cli " + command.front() + " and --help");
        std::vector<std::string> program{CONFIGURATOR_CLI, "--home", home_.string()};
        program.insert(program.end(), command.begin(), command.end());
        const Pair_Figures figures = alternate(
            runs_, [&] { return run_child(program).cpu_ms; },
            [] {
                return run_child({CONFIGURATOR_CLI, "--help"}).cpu_ms;
            });
        rows_.push_back(row(measure, figures, "ms", "(--help)"));
    }

    void print() const {
        std::cout << "| Measure | Program | Floor | Ratio |\n|---|---|---|---|\n";
        for (const Row& r : rows_)
            std::cout << "| " << r.measure << " | " << r.program << " | " << r.floor << " | " << r.ratio
                      << " |\n";
        std::cout << "\nMedians of " << runs_ << " alternating runs, (smallest-largest).\n";
    }

private:
    int runs_;
    std::filesystem::path home_;
    std::vector<Row> rows_;
};

std::filesystem::path make_home() {
    std::string pattern = (std::filesystem::temp_directory_path() / "configurator-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    if (argc > 2 || runs < 1) {
        std::cerr << "usage: configurator-bench-table [RUNS]\n";
        return 2;
    }
    const std::filesystem::path home = make_home();
    try {
        cfg::Application app = cfg::Start_Application(
            cfg::Program_Folders_With_Data(std::filesystem::path(CONFIGURATOR_CLI).parent_path(), home));
        cfg::bench::Make_Maximal_Configuration(app);
        const std::filesystem::path bank3 = app.Path_Project / "bin" / "bank3.bin";
        const std::string esi = (home / "Maximal ESI.xml").string();

        Bench_Table table(runs, home);
        table.measure_start("offscreen", "offscreen", true);
        table.measure_start("offscreen", "offscreen", false, true);
        if (const char* display = std::getenv("DISPLAY"); display && *display)
            table.measure_start("xcb", "under Xvfb", false);
        table.measure_reopen("listener", "listener screen reopen, 100 rows, offscreen");
        table.measure_reopen("ethercat", "EtherCAT screen reopen, 256+256 rows, offscreen");
        table.measure_reopen("mqtt", "MQTT screen reopen, 1024 rows, offscreen");
        table.measure_cli("`configurator-cli compile` (maximal configuration), CPU",
                          {"compile", cfg::bench::Maximal_Name});
        table.measure_cli("`configurator-cli esi` (maximal configuration), CPU",
                          {"esi", cfg::bench::Maximal_Name, esi});
        table.measure_cli("`configurator-cli inspect bank3` (maximal configuration), CPU",
                          {"inspect", bank3.string()});
        table.print();
    } catch (const std::exception& error) {
        std::cerr << "configurator-bench-table: " << error.what() << '\n';
        std::filesystem::remove_all(home);
        return 1;
    }
    std::filesystem::remove_all(home);
    return 0;
}
