// The core's paths at full size, on the maximal configuration: load, check and save of each table
// file, the whole check, compile, ESI (and its text alone) and the decoding of each bank.
#include "support/MaximalConfiguration.h"
#include "support/TempDir.h"

#include "core/app/Application.h"
#include "core/app/CompileConfiguration.h"
#include "core/app/ConfigurationCheck.h"
#include "core/app/EsiStep.h"
#include "core/ethercat/EsiFile.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/VariableCheck.h"
#include "core/image/BankDecoder.h"
#include "core/mqtt/MqttSetTopicFile.h"
#include "core/mqtt/TopicCheck.h"
#include "core/nmea/ListenerChecks.h"
#include "core/nmea/ListenerFile.h"
#include "core/params/ParGenChecks.h"
#include "core/params/ParGenFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

namespace {

// One program folder holding the maximal configuration, compiled once, for every benchmark.
struct Maximal {
    Maximal() : app(cfg::Start_Application(dir.path())) {
        cfg::bench::Make_Maximal_Configuration(app);
        cfg::image::Compile_Configuration(app);
    }

    std::filesystem::path saved(const char* name) const { return dir / name; }

    cfg::test::TempDir dir;
    cfg::Application app;
};

Maximal& maximal() {
    static Maximal configuration;
    return configuration;
}

void ListenerLoad(benchmark::State& state) {
    cfg::nmea::Listener_Table table;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            cfg::nmea::Load_Listener_Table(table, maximal().app.File_NMEA_0183_Set_Access));
}
BENCHMARK(ListenerLoad);

void ListenerCheck(benchmark::State& state) {
    cfg::nmea::Listener_Table table;
    cfg::nmea::Load_Listener_Table(table, maximal().app.File_NMEA_0183_Set_Access);
    for (auto _ : state)
        benchmark::DoNotOptimize(cfg::nmea::Controllo_dati(table, maximal().app.Lang_Strings));
}
BENCHMARK(ListenerCheck);

void ListenerSave(benchmark::State& state) {
    cfg::nmea::Listener_Table table;
    cfg::nmea::Load_Listener_Table(table, maximal().app.File_NMEA_0183_Set_Access);
    for (auto _ : state)
        cfg::nmea::Save_Listener_Table(table, maximal().saved("NMEA_0183_Set_Access.xml"));
}
BENCHMARK(ListenerSave);

void EtherCATLoad(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(cfg::ethercat::Load_EtherCAT_Slave(maximal().app.File_EtherCAT_Slave));
}
BENCHMARK(EtherCATLoad);

void EtherCATCheck(benchmark::State& state) {
    const cfg::ethercat::EtherCAT_Tables tables =
        cfg::ethercat::Load_EtherCAT_Slave(maximal().app.File_EtherCAT_Slave);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            cfg::ethercat::Controllo_dati(tables.slave_to_master, maximal().app.Lang_Strings));
        benchmark::DoNotOptimize(
            cfg::ethercat::Controllo_dati(tables.master_to_slave, maximal().app.Lang_Strings));
    }
}
BENCHMARK(EtherCATCheck);

void EtherCATSave(benchmark::State& state) {
    const cfg::ethercat::EtherCAT_Tables tables =
        cfg::ethercat::Load_EtherCAT_Slave(maximal().app.File_EtherCAT_Slave);
    for (auto _ : state)
        cfg::ethercat::Save_EtherCAT_Slave(tables.slave_to_master, maximal().saved("EtherCAT_Slave.xml"));
}
BENCHMARK(EtherCATSave);

void TopicsLoad(benchmark::State& state) {
    cfg::mqtt::MqttTopicTables tables;
    for (auto _ : state)
        benchmark::DoNotOptimize(cfg::mqtt::load_mqtt_set_topic(maximal().app.File_MQTT_Set_Topic, tables));
}
BENCHMARK(TopicsLoad);

void TopicsCheck(benchmark::State& state) {
    cfg::mqtt::MqttTopicTables tables;
    cfg::mqtt::load_mqtt_set_topic(maximal().app.File_MQTT_Set_Topic, tables);
    for (auto _ : state)
        benchmark::DoNotOptimize(cfg::mqtt::Controllo_dati(tables, maximal().app.Lang_Strings));
}
BENCHMARK(TopicsCheck);

void TopicsSave(benchmark::State& state) {
    cfg::mqtt::MqttTopicTables tables;
    cfg::mqtt::load_mqtt_set_topic(maximal().app.File_MQTT_Set_Topic, tables);
    for (auto _ : state)
        cfg::mqtt::save_mqtt_set_topic(maximal().saved("MQTT_Set_Topic.xml"), tables.publish);
}
BENCHMARK(TopicsSave);

void ParGenLoad(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(cfg::Load_ParGen(maximal().app.File_ParGen));
}
BENCHMARK(ParGenLoad);

void ParGenCheck(benchmark::State& state) {
    const cfg::ParGen_Set set = cfg::Load_ParGen(maximal().app.File_ParGen);
    for (auto _ : state)
        benchmark::DoNotOptimize(cfg::Controllo_Dati(set));
}
BENCHMARK(ParGenCheck);

void ParGenSave(benchmark::State& state) {
    const cfg::ParGen_Set set = cfg::Load_ParGen(maximal().app.File_ParGen);
    for (auto _ : state)
        cfg::Save_ParGen(set, maximal().saved("ParGen.xml"));
}
BENCHMARK(ParGenSave);

void CheckConfiguration(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(cfg::Check_Configuration(maximal().app));
}
BENCHMARK(CheckConfiguration);

void Compile(benchmark::State& state) {
    for (auto _ : state)
        cfg::image::Compile_Configuration(maximal().app);
}
BENCHMARK(Compile);

void Esi(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(cfg::ethercat::Write_Configuration_ESI(
            maximal().app, maximal().saved("Maximal ESI.xml"), std::chrono::system_clock::now()));
}
BENCHMARK(Esi);

// The ESI file's text alone, without reading the configuration or writing the file.
void EsiText(benchmark::State& state) {
    const cfg::ethercat::ESI_Sources sources =
        cfg::ethercat::Load_ESI_Sources(maximal().app.File_ParGen, maximal().app.File_EtherCAT_Slave);
    for (auto _ : state)
        benchmark::DoNotOptimize(cfg::ethercat::ESI_File_Text(sources));
}
BENCHMARK(EsiText);

// The argument is the bank's number.
void DecodeBank(benchmark::State& state) {
    const std::filesystem::path bank =
        maximal().app.Path_Project / "bin" / ("bank" + std::to_string(state.range(0)) + ".bin");
    for (auto _ : state)
        benchmark::DoNotOptimize(cfg::image::Decode_Bank_File(bank));
}
BENCHMARK(DecodeBank)->DenseRange(1, 3);

} // namespace

BENCHMARK_MAIN();
