// The catalogue scan through the real main window on the offscreen platform.
//   scan / vehicle: listing and scanning a folder of 200 vehicles of 2880 x 80 + 80 x 80, per
//   vehicle, next to reading and decoding each of the same files alone, decoding one from memory,
//   and a memcpy of its decoded bytes.
//   layout: one LayoutCards of four cards from the strip.
// Run: <build>/bench/scan_bench
#include "app/frm_main.h"
#include "platform/com/server_exports.h"
#include "surface/alpha_surface.h"
#include "tests/support/srf_writer.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <vector>

namespace {

constexpr int vehicleCount = 200;
constexpr int frameSize = 80;
constexpr int frames = 36;
constexpr std::size_t decodedBytes = std::size_t{frames} * frameSize * (2 * frameSize) * 4;

// A vehicle with varied colours and transparencies, as a real one has.
std::vector<std::uint8_t> vehicleBytes(int seed) {
    srftest::File file = srftest::typical(frames, frameSize, frameSize);
    for (srftest::Image* image : {&file.image3d, &file.image2d})
        for (int y = 0; y < image->height; ++y)
            for (int x = 0; x < image->width; ++x)
                image->set(x, y, static_cast<std::uint16_t>((x + seed) * 2654435761u + y * 40503u),
                           static_cast<std::uint8_t>((x ^ y ^ seed) % 129));
    return srftest::bytes(file);
}

struct Setup {
    QString cars;
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
    form.state.fileDir = setup().cars;
    for (auto _ : state) {
        form.ListVehicleFiles(0);
        form.ScanCatalogue(0);
        if (form.state.filesCount != vehicleCount)
            state.SkipWithError("the scan did not read every vehicle");
    }
    state.counters["per_vehicle"] = benchmark::Counter(
        vehicleCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
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
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * decodedBytes));
}

void MemcpyDecodedVehicle(benchmark::State& state) {
    std::vector<std::uint8_t> from(decodedBytes, 1), to(decodedBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * decodedBytes));
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

bool registerCards() {
    QLibrary library(QStringLiteral(TESSEL_LIBRARY_PATH));
    const auto registerServer =
        reinterpret_cast<com::DllRegisterServerFunction>(library.resolve(com::kDllRegisterServer));
    return registerServer && registerServer() == com::S_OK;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The card library is registered in a configuration folder of the run's own.
    QTemporaryDir configuration;
    QTemporaryDir programFolder;
    if (!configuration.isValid() || !programFolder.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path()));
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    if (!registerCards()) {
        std::fprintf(stderr, "the card library %s cannot be registered\n", TESSEL_LIBRARY_PATH);
        return 1;
    }

    Setup& s = setup();
    s.cars = programFolder.path() + "/cars";
    QDir().mkpath(s.cars);
    for (int i = 0; i < vehicleCount; ++i) {
        s.vehicles.append(s.cars + QStringLiteral("/Vehicle%1.srf").arg(i, 3, 10, QChar('0')));
        srftest::writeFile(QFile::encodeName(s.vehicles.back()).toStdString(), vehicleBytes(i));
    }
    s.oneVehicleBytes = vehicleBytes(0);
    // The window starts on empty folders; the benchmarks scan the vehicles.
    QFile settings(programFolder.path() + "/init.ini");
    if (!settings.open(QIODevice::WriteOnly))
        return 1;
    const QByteArray none = QFile::encodeName(programFolder.path() + "/none");
    settings.write(none + "\r\n" + none + "\r\n");
    settings.close();
    QString error;
    std::unique_ptr<frmMain> form = frmMain::create(programFolder.path(), &error);
    if (!form) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    form->Show();
    QApplication::processEvents();
    s.form = form.get();

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
    form.reset();
    return 0;
}
