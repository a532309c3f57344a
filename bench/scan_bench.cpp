// The catalogue scan through the real main window on the offscreen platform.
//   scan / vehicle: listing and scanning a folder of 200 vehicles of 2880 x 80 + 80 x 80, per
//   vehicle, every one read (two folders of the same vehicles, dated apart, take turns, so no scan
//   takes up the records of the one before), next to reading and decoding each of the same files
//   alone, decoding one from memory, and a memcpy of its decoded bytes. layout: one LayoutCards of
//   four cards from the strip.
// Run: <build>/bench/scan_bench
#include "bench/bench_window.h"
#include "surface/alpha_surface.h"
#include "tests/support/srf_writer.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <vector>

namespace {

constexpr int kVehicleCount = 200;
constexpr int kFrameSize = 80;
constexpr int kFrames = 36;
constexpr std::size_t kDecodedBytes = std::size_t{kFrames} * kFrameSize * (2 * kFrameSize) * 4;

std::vector<std::uint8_t> vehicleBytes(int seed) {
    return variedVehicleBytes(seed, kFrames, kFrameSize);
}

struct Setup {
    QString cars;
    QString sameCarsDatedApart;
    QStringList vehicles;
    std::vector<std::uint8_t> oneVehicleBytes;
    frmMain* form = nullptr;
};

Setup& setup() {
    static Setup instance;
    return instance;
}

void ScanPerVehicle(benchmark::State& state) {
    frmMain& form = *setup().form;
    bool other = false;
    for (auto _ : state) {
        form.state.fileDir = other ? setup().sameCarsDatedApart : setup().cars;
        other = !other;
        form.ListVehicleFiles(0);
        form.ScanCatalogue(0);
        if (form.state.filesCount != kVehicleCount)
            state.SkipWithError("the scan did not read every vehicle");
    }
    state.counters["per_vehicle"] = benchmark::Counter(
        kVehicleCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// What the scan cannot do without: reading and decoding each of the same files, one after
// another, into a fresh surface.
void ReadAndDecodeEachVehicle(benchmark::State& state) {
    std::vector<std::string> paths;
    for (const QString& path : setup().vehicles)
        paths.push_back(QFile::encodeName(path).toStdString());
    std::size_t next = 0;
    for (auto _ : state) {
        cAlphaSurface vehicle;
        if (vehicle.CreateFromGarminSRF(paths[next]) != 1)
            state.SkipWithError("the vehicle did not load");
        benchmark::DoNotOptimize(vehicle.DIBSectionBitsPtr());
        next = (next + 1) % paths.size();
    }
    state.counters["per_vehicle"] = benchmark::Counter(
        1, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void DecodeOneVehicleFromMemory(benchmark::State& state) {
    cAlphaSurface vehicle;
    for (auto _ : state) {
        if (vehicle.CreateFromGarminSRFBytes(setup().oneVehicleBytes) != 1)
            state.SkipWithError("the vehicle did not load");
        benchmark::DoNotOptimize(vehicle.DIBSectionBitsPtr());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kDecodedBytes));
}

void MemcpyDecodedVehicle(benchmark::State& state) {
    std::vector<std::uint8_t> from(kDecodedBytes, 1), to(kDecodedBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kDecodedBytes));
}

void LayoutFourCards(benchmark::State& state) {
    frmMain& form = *setup().form;
    if (form.state.filesCount < 4 || !form.state.filesReady) {
        state.SkipWithError("no scanned pane to lay out");
        return;
    }
    for (auto _ : state)
        form.LayoutCards(0);
}

} // namespace

int main(int argc, char** argv) {
    std::unique_ptr<BenchWindow> window = openBenchWindow(argv[0]);
    if (!window)
        return 1;
    Setup& s = setup();
    s.cars = window->programFolder.path() + "/cars";
    QDir().mkpath(s.cars);
    s.sameCarsDatedApart = window->programFolder.path() + "/same-cars";
    QDir().mkpath(s.sameCarsDatedApart);
    const QDateTime dated(QDate(2009, 5, 22), QTime(14, 30));
    for (int i = 0; i < kVehicleCount; ++i) {
        const QString name = QStringLiteral("/Vehicle%1.srf").arg(i, 3, 10, QChar('0'));
        s.vehicles.append(s.cars + name);
        srftest::writeFile(QFile::encodeName(s.vehicles.back()).toStdString(), vehicleBytes(i));
        QFile same(s.sameCarsDatedApart + name);
        srftest::writeFile(QFile::encodeName(same.fileName()).toStdString(), vehicleBytes(i));
        if (!same.open(QIODevice::ReadWrite) ||
            !same.setFileTime(dated, QFileDevice::FileModificationTime)) {
            std::fprintf(stderr, "cannot date %s\n", qPrintable(same.fileName()));
            return 1;
        }
    }
    s.oneVehicleBytes = vehicleBytes(0);
    s.form = window->form.get();

    benchmark::RegisterBenchmark("ScanPerVehicle", ScanPerVehicle)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);
    benchmark::RegisterBenchmark("ReadAndDecodeEachVehicle", ReadAndDecodeEachVehicle)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("DecodeOneVehicleFromMemory", DecodeOneVehicleFromMemory)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("MemcpyDecodedVehicle", MemcpyDecodedVehicle)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("LayoutFourCards", LayoutFourCards)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window.reset();
    return 0;
}
