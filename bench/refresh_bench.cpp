// The Garmin pane's refresh through the real main window on the offscreen platform, over a
// navigator folder of 200 vehicles of navigator size (36 frames of 112 x 112 and a 112 x 112 2D
// image, about 1.4 MB each):
//   first: every vehicle is copied into "temp" (emptied before each run), then scanned;
//   unchanged: "temp" already holds a copy of every vehicle as it is, so none is copied;
// each as the whole refresh and as the listing alone, per vehicle, next to a memcpy of one
// vehicle file's bytes.
// Run: <build>/bench/refresh_bench
#include "bench/bench_window.h"
#include "tests/support/srf_writer.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <QDir>
#include <QFile>
#include <vector>

namespace {

constexpr int kVehicleCount = 200;
constexpr int kFrameSize = 112;
constexpr int kFrames = 36;

struct Setup {
    frmMain* form = nullptr;
    QString temp;
    std::size_t vehicleFileBytes = 0;
};

Setup& setup() {
    static Setup instance;
    return instance;
}

void perVehicle(benchmark::State& state) {
    state.counters["per_vehicle"] = benchmark::Counter(
        kVehicleCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * kVehicleCount * setup().vehicleFileBytes));
}

// One refresh step of the Garmin pane, after the copies in "temp" were removed or not.
template <bool WithCopies, bool WholeRefresh>
void GarminStep(benchmark::State& state) {
    frmMain& form = *setup().form;
    // The copies the runs before left; the first run of "unchanged" makes them.
    form.ListVehicleFiles(kGarminPane);
    for (auto _ : state) {
        if (WithCopies) {
            state.PauseTiming();
            QDir temp(setup().temp);
            for (const QString& name : temp.entryList(QDir::Files))
                temp.remove(name);
            state.ResumeTiming();
        }
        if (WholeRefresh)
            form.RefreshPane(kGarminPane);
        else
            form.ListVehicleFiles(kGarminPane);
        if (form.state.garminCount != kVehicleCount)
            state.SkipWithError("the refresh did not list every vehicle");
    }
    perVehicle(state);
}

void MemcpyOneVehicleFile(benchmark::State& state) {
    std::vector<std::uint8_t> from(setup().vehicleFileBytes, 1), to(setup().vehicleFileBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * to.size()));
}

} // namespace

int main(int argc, char** argv) {
    std::unique_ptr<BenchWindow> window = openBenchWindow(argv[0]);
    if (!window)
        return 1;
    Setup& s = setup();
    const QString navigator = window->programFolder.path() + "/navigator";
    s.temp = window->programFolder.path() + "/temp";
    QDir().mkpath(navigator);
    for (int i = 0; i < kVehicleCount; ++i) {
        const std::vector<std::uint8_t> bytes = variedVehicleBytes(i, kFrames, kFrameSize);
        s.vehicleFileBytes = bytes.size();
        srftest::writeFile(
            QFile::encodeName(navigator +
                              QStringLiteral("/Vehicle%1.srf").arg(i, 3, 10, QChar('0')))
                .toStdString(),
            bytes);
    }
    window->form->state.garminDir = navigator;
    s.form = window->form.get();

    const struct {
        const char* name;
        void (*run)(benchmark::State&);
    } steps[] = {{"GarminRefresh/first", GarminStep<true, true>},
                 {"GarminRefresh/unchanged", GarminStep<false, true>},
                 {"GarminListing/first", GarminStep<true, false>},
                 {"GarminListing/unchanged", GarminStep<false, false>}};
    // A few runs each: one run copies or reads 280 MB.
    for (const auto& step : steps)
        benchmark::RegisterBenchmark(step.name, step.run)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    benchmark::RegisterBenchmark("MemcpyOneVehicleFile", MemcpyOneVehicleFile)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window.reset();
    return 0;
}
