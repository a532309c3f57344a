// One step of the turning preview through the real main window on the offscreen platform, next
// to a memcpy of the bytes Plotter shows.
//   tick: the patch copied back under the vehicle, one 80 x 80 frame alpha-painted over it and
//   the canvas shown in Plotter (654 x 420 pixels), repaint included.
//   drawing of a tick: the same three copies alone, without Plotter's repaint by Qt.
//   memcpy: 654 x 420 x 4 bytes.
// Run: <build>/bench/preview_bench (the program folder's Images supply the backdrop)
#include "bench/bench_window.h"
#include "tests/support/srf_writer.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <vector>

namespace {

constexpr int kFrameSize = 80;
constexpr int kFrames = 36;
constexpr std::size_t kShownBytes = std::size_t{654} * 420 * 4;

frmMain* previewForm = nullptr;

void PreviewTick(benchmark::State& state) {
    frmMain& form = *previewForm;
    if (!form.fraPreview->isVisible() || form.state.previewWidth != kFrameSize) {
        state.SkipWithError("the preview did not open");
        return;
    }
    for (auto _ : state)
        form.Timer1Timer();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kShownBytes));
}

// The tick's drawing calls on the window's own surfaces and Plotter's persistent picture; what
// the tick adds to them is Qt painting the box.
void PreviewTickDrawingOnly(benchmark::State& state) {
    frmMain& form = *previewForm;
    FormState& s = form.state;
    if (!form.fraPreview->isVisible() || !s.previewCanvas || !s.previewPatch || !s.previewVehicle) {
        state.SkipWithError("the preview did not open");
        return;
    }
    form.Plotter->setAutoRedraw(true);
    const gdi::HDC plotter = form.Plotter->hDC();
    int frame = 0;
    for (auto _ : state) {
        s.previewPatch->PaintPicture(s.previewCanvas->hDC(), 291, 207, kFrameSize, kFrameSize, 0,
                                     0);
        s.previewVehicle->AlphaPaintPicture(s.previewCanvas->hDC(), 291, 207, kFrameSize,
                                            kFrameSize, frame * kFrameSize, 0, 255);
        gdi::BitBlt(plotter, 0, 0, 654, 420, s.previewCanvas->hDC(), 1, 1, gdi::SRCCOPY);
        frame = (frame + 1) % kFrames;
        benchmark::ClobberMemory();
    }
    form.Plotter->setAutoRedraw(false);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kShownBytes));
}

void MemcpyShownPicture(benchmark::State& state) {
    std::vector<std::uint8_t> from(kShownBytes, 1), to(kShownBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kShownBytes));
}

bool copyImages(const QString& from, const QString& to) {
    if (!QDir().mkpath(to))
        return false;
    for (const QString& name : QDir(from).entryList(QDir::Files))
        if (!QFile::copy(from + "/" + name, to + "/" + name))
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::unique_ptr<BenchWindow> bench = openBenchWindow(argv[0]);
    if (!bench)
        return 1;
    const QString folder = bench->programFolder.path();
    if (!copyImages(QStringLiteral(MOTORHALL_IMAGES_DIR), folder + "/Images")) {
        std::fprintf(stderr, "the artwork of %s cannot be copied\n", MOTORHALL_IMAGES_DIR);
        return 1;
    }
    const QString cars = folder + "/cars";
    QDir().mkpath(cars);
    srftest::writeFile(QFile::encodeName(cars + "/Car.srf").toStdString(),
                       variedVehicleBytes(0, kFrames, kFrameSize));
    std::unique_ptr<frmMain>& form = bench->form;
    form->state.fileDir = cars;
    form->RefreshPane(0);
    form->state.selectedPane = 0;
    form->state.selectedIndex = 1;
    form->mnuPreviewClick();
    previewForm = form.get();

    benchmark::RegisterBenchmark("PreviewTick", PreviewTick)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("PreviewTickDrawingOnly", PreviewTickDrawingOnly)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("MemcpyShownPicture", MemcpyShownPicture)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    form.reset();
    return 0;
}
