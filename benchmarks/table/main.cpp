// scripts/bench's table: each measure of the program beside a floor the benchmark builds itself,
// the two run alternately, as medians with their smallest and largest value and the ratio of the
// medians. Usage: configurator-bench-table [RUNS] (15 when not given). The rows under Xvfb need
// DISPLAY (scripts/bench runs this under xvfb-run when it is installed).
#include "ChildRun.h"
#include "Samples.h"
#include "support/MaximalConfiguration.h"
#include "support/NmeaLog.h"

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

// The path of a program found on PATH; empty when there is none.
std::string program_on_path(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / name;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
    }
    return {};
}

std::string mebibytes(std::size_t bytes) {
    return bytes < (std::size_t{1} << 20) ? std::to_string(bytes >> 10) + " KiB"
                                          : std::to_string(bytes >> 20) + " MiB";
}

class Bench_Table {
public:
    Bench_Table(int runs, std::filesystem::path home) : runs_(runs), home_(std::move(home)) {}

    // The start beside a bare window of the main window's size; with a caption, beside the same
    // window showing one line of text, which tells what any window with text costs at its start.
    void measure_start(const char* platform, const std::string& where, bool with_memory,
                       bool captioned = false) {
        progress("Starting the program and a " + std::string(captioned ? "captioned" : "bare") + " window " +
                 where);
        const std::vector<std::string> settings{std::string("QT_QPA_PLATFORM=") + platform};
        const std::vector<std::string> program{CONFIGURATOR_BENCH_GUI, "program", "--home", home_.string()};
        std::istringstream size(run_child(program, settings).output);
        std::string width;
        std::string height;
        size >> width >> height;
        const std::vector<std::string> bare{CONFIGURATOR_BENCH_GUI, captioned ? "captioned" : "bare", width,
                                            height};
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
                            "(" + std::string(captioned ? "captioned" : "bare") + " " + width + " x " +
                                height + " Qt window, ended the same way)"));
        if (with_memory)
            rows_.push_back(row("peak memory at start, " + where, memory, "MiB",
                                "(the " + std::string(captioned ? "captioned" : "bare") + " window)"));
    }

    void measure_reopen(const char* screen, const std::string& measure) {
        progress("Opening the " + std::string(screen) + " screen and plain table views, offscreen");
        rows_.push_back(row(measure, gui_pairs({"reopen", screen, std::to_string(runs_), home_.string()}),
                            "ms", "(QTableView over a filled QStandardItemModel)"));
    }

    void measure_byte_map() {
        progress("Painting the byte map of the maximal configuration, offscreen");
        rows_.push_back(row("byte map full repaint, 2000 bytes and a 256-row image (goal: under 4 ms)",
                            gui_pairs({"bytemap", std::to_string(runs_), home_.string()}), "ms",
                            "(its texts alone at their places on the cleared image)"));
    }

    // One run: its figures are absolute goals, and a run takes as long as it is told to.
    void measure_live_preview(double seconds) {
        progress("Feeding the preview through a pseudo-terminal at 115200 baud for " + number(seconds) +
                 " s");
        const Child_Cost cost = run_child({CONFIGURATOR_BENCH_GUI, "live", number(seconds), home_.string()},
                                          {"QT_QPA_PLATFORM=offscreen"});
        std::istringstream figures(cost.output);
        double cpu_percent = 0;
        double largest_ms = 0;
        double median_ms = 0;
        if (!(figures >> cpu_percent >> largest_ms >> median_ms))
            throw std::runtime_error("the live preview gave no figures");
        const std::string where = "live preview, 115200 baud for " + number(seconds) + " s, offscreen";
        rows_.push_back({where + ": CPU of one core", number(cpu_percent) + " %", "(goal: under 10 %)",
                         bench::ratio_text({cpu_percent}, {10})});
        rows_.push_back({where + ": line written to its value painted",
                         number(largest_ms) + " ms at most, " + number(median_ms) + " ms median",
                         "(goal: every value within 100 ms)", bench::ratio_text({largest_ms}, {100})});
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

    // The preview of a log beside two floors: counting its lines, and decoding it with a general
    // NMEA 0183 decoder that writes JSON too (left out, and said so, where it is not installed).
    void measure_preview(const std::filesystem::path& log, const std::string& size) {
        const std::vector<std::string> preview = preview_command(log);
        const auto cpu = [](const std::vector<std::string>& command,
                            const bench::Child_Streams& streams = {}) {
            return run_child(command, {}, streams).cpu_ms;
        };
        const std::string measure = "`configurator-cli preview --json`, " +
                                    std::to_string(cfg::bench::Log_Rows) + " rows, " + size + " log, CPU";
        progress("Previewing a " + size + " log beside wc -l");
        const std::vector<std::string> count{program_on_path("wc"), "-l", log.string()};
        rows_.push_back(row(measure,
                            alternate(
                                runs_, [&] { return cpu(preview); }, [&] { return cpu(count); }),
                            "ms", "(`wc -l` on the same file)"));
        const std::string decoder = program_on_path("gpsdecode");
        if (decoder.empty()) {
            rows_.push_back(
                {measure, "", "`gpsdecode -j` is not installed (Debian package gpsd-clients)", ""});
            return;
        }
        progress("Previewing a " + size + " log beside gpsdecode -j");
        const bench::Child_Streams decode_streams{log.string(), true};
        rows_.push_back(row(measure,
                            alternate(
                                runs_, [&] { return cpu(preview); },
                                [&] {
                                    return cpu({decoder, "-j"}, decode_streams);
                                }),
                            "ms", "(`gpsdecode -j` on the same file)"));
    }

    // The preview's peak memory on a log of another size beside the same on the smallest log: the
    // reader holds one line and the model one value a row, so the ratio stays near 1.
    void measure_preview_memory(const std::filesystem::path& log, const std::string& size,
                                const std::filesystem::path& smallest_log, const std::string& smallest_size) {
        progress("Previewing a " + size + " log beside a " + smallest_size + " one for their memory");
        const std::vector<std::string> smallest = preview_command(smallest_log);
        const std::vector<std::string> preview = preview_command(log);
        rows_.push_back(row("peak memory of `configurator-cli preview --json`, " + size + " log",
                            alternate(
                                runs_, [&] { return run_child(preview).peak_mb; },
                                [&] { return run_child(smallest).peak_mb; }),
                            "MiB", "(the same on a " + smallest_size + " log)"));
    }

    void print() const {
        std::cout << "| Measure | Program | Floor | Ratio |\n|---|---|---|---|\n";
        for (const Row& r : rows_)
            std::cout << "| " << r.measure << " | " << r.program << " | " << r.floor << " | " << r.ratio
                      << " |\n";
        std::cout << "\nMedians of " << runs_ << " alternating runs, (smallest-largest).\n";
    }

private:
    // The lines "PROGRAM FLOOR" that configurator-bench-gui writes, one a run.
    static Pair_Figures gui_pairs(const std::vector<std::string>& arguments) {
        std::vector<std::string> command{CONFIGURATOR_BENCH_GUI};
        command.insert(command.end(), arguments.begin(), arguments.end());
        std::istringstream lines(run_child(command, {"QT_QPA_PLATFORM=offscreen"}).output);
        Pair_Figures figures;
        for (double program = 0, floor = 0; lines >> program >> floor;) {
            figures.program.push_back(program);
            figures.floor.push_back(floor);
        }
        return figures;
    }

    static std::string number(double value) {
        std::ostringstream text;
        text << value;
        return text.str();
    }

    std::vector<std::string> preview_command(const std::filesystem::path& log) const {
        return {CONFIGURATOR_CLI,     "--home",     home_.string(), "preview",
                cfg::bench::Log_Name, log.string(), "--json"};
    }

    int runs_;
    std::filesystem::path home_;
    std::vector<Row> rows_;
};

// A child's peak memory counts what this process held when it started the child, so a log is
// written by a child of its own: holding a whole log here would be counted in every run after it.
void write_log(const std::filesystem::path& file, std::size_t bytes) {
    run_child({"/proc/self/exe", "--write-log", file.string(), std::to_string(bytes)});
}

std::filesystem::path make_home() {
    std::string pattern = (std::filesystem::temp_directory_path() / "configurator-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && std::string(argv[1]) == "--write-log") {
        cfg::bench::Write_Nmea_Log(argv[2], std::stoull(argv[3]));
        return 0;
    }
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    // --quick: small logs, so that a run with the tests only shows that every row still works.
    const bool quick = argc > 2 && std::string(argv[2]) == "--quick";
    if (argc > 3 || (argc > 2 && !quick) || runs < 1) {
        std::cerr << "usage: configurator-bench-table [RUNS [--quick]]\n";
        return 2;
    }
    const std::size_t log_bytes = quick ? std::size_t{1} << 20 : std::size_t{32} << 20;
    const std::filesystem::path home = make_home();
    try {
        cfg::Application app = cfg::Start_Application(
            cfg::Program_Folders_With_Data(std::filesystem::path(CONFIGURATOR_CLI).parent_path(), home));
        cfg::bench::Make_Log_Configuration(app);
        cfg::bench::Make_Maximal_Configuration(app);
        const std::filesystem::path bank3 = app.Path_Project / "bin" / "bank3.bin";
        const std::string esi = (home / "Maximal ESI.xml").string();

        Bench_Table table(runs, home);
        table.measure_start("offscreen", "offscreen", true);
        table.measure_start("offscreen", "offscreen", true, true);
        if (const char* display = std::getenv("DISPLAY"); display && *display)
            table.measure_start("xcb", "under Xvfb", false);
        table.measure_reopen("listener", "listener screen reopen, 100 rows, offscreen");
        table.measure_reopen("ethercat", "EtherCAT screen reopen, 256+256 rows, offscreen");
        table.measure_reopen("mqtt", "MQTT screen reopen, 1024 rows, offscreen");
        table.measure_byte_map();
        table.measure_live_preview(quick ? 2 : 30);
        table.measure_cli("`configurator-cli compile` (maximal configuration), CPU",
                          {"compile", cfg::bench::Maximal_Name});
        table.measure_cli("`configurator-cli esi` (maximal configuration), CPU",
                          {"esi", cfg::bench::Maximal_Name, esi});
        table.measure_cli("`configurator-cli inspect bank3` (maximal configuration), CPU",
                          {"inspect", bank3.string()});
        const std::filesystem::path small_log = home / "small.log";
        const std::filesystem::path log = home / "ship.log";
        const std::filesystem::path large_log = home / "large.log";
        progress("Writing NMEA 0183 logs of " + mebibytes(log_bytes / 8) + ", " + mebibytes(log_bytes) +
                 " and " + mebibytes(log_bytes * 4));
        write_log(small_log, log_bytes / 8);
        write_log(log, log_bytes);
        write_log(large_log, log_bytes * 4);
        table.measure_preview(log, mebibytes(log_bytes));
        table.measure_preview_memory(log, mebibytes(log_bytes), small_log, mebibytes(log_bytes / 8));
        table.measure_preview_memory(large_log, mebibytes(log_bytes * 4), small_log,
                                     mebibytes(log_bytes / 8));
        table.print();
    } catch (const std::exception& error) {
        std::cerr << "configurator-bench-table: " << error.what() << '\n';
        std::filesystem::remove_all(home);
        return 1;
    }
    std::filesystem::remove_all(home);
    return 0;
}
