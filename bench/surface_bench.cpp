// The vehicle load and the thumbnail blend, each next to a memcpy of the bytes it produces.
//   decode / memcpy: one 2880 x 80 strip + 80 x 80 2D image from memory into a fresh 2880 x 160
//   surface, against copying 2880 x 160 x 4 bytes.
//   alpha paint / memcpy: one 80 x 80 frame blended onto a canvas, against copying 80 x 80 x 4
//   bytes.
//   resample / memcpy: a 2880 x 80 strip to 1440 x 40 (a new surface each time), against copying
//   the 2880 x 80 x 4 bytes it reads.
//   blur, unsharp mask / memcpy: a new 2880 x 160 surface from one of that size, against copying
//   2880 x 160 x 4 bytes.
//   strip fill / memcpy: the white Rectangle with which a catalogue scan clears its 20100 x 100
//   thumbnail strip (all but row and column 0), against copying the bytes it paints.
#include "surface/alpha_surface.h"
#include "tests/support/srf_writer.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kFrameSize = 80;
constexpr int kFrames = 36;
constexpr std::size_t kVehicleOutputBytes =
    std::size_t{kFrames} * kFrameSize * (2 * kFrameSize) * 4;
constexpr std::size_t kFrameBytes = std::size_t{kFrameSize} * kFrameSize * 4;

// A vehicle with varied colours and transparencies, as a real one has.
const std::vector<std::uint8_t>& vehicleBytes() {
    static const std::vector<std::uint8_t> bytes = [] {
        srftest::File file = srftest::typical(kFrames, kFrameSize, kFrameSize);
        for (srftest::Image* image : {&file.image3d, &file.image2d})
            for (int y = 0; y < image->height; ++y)
                for (int x = 0; x < image->width; ++x)
                    image->set(x, y, static_cast<std::uint16_t>(x * 2654435761u + y * 40503u),
                               static_cast<std::uint8_t>((x ^ y) % 129));
        return srftest::bytes(file);
    }();
    return bytes;
}

void DecodeVehicle(benchmark::State& state) {
    const std::vector<std::uint8_t>& bytes = vehicleBytes();
    cAlphaSurface surface;
    for (auto _ : state) {
        if (surface.CreateFromGarminSRFBytes(bytes) != 1)
            state.SkipWithError("the vehicle did not load");
        benchmark::DoNotOptimize(surface.DIBSectionBitsPtr());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kVehicleOutputBytes));
}

// The yardstick of every measurement here: copying the same number of bytes.
void memcpyBytes(benchmark::State& state, std::size_t bytes) {
    std::vector<std::uint8_t> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void MemcpyVehicleOutput(benchmark::State& state) {
    memcpyBytes(state, kVehicleOutputBytes);
}

void AlphaPaintFrame(benchmark::State& state) {
    cAlphaSurface vehicle, canvas;
    if (vehicle.CreateFromGarminSRFBytes(vehicleBytes()) != 1 ||
        !canvas.Create(kFrameSize, kFrameSize)) {
        state.SkipWithError("no surfaces");
        return;
    }
    int frame = 0;
    for (auto _ : state) {
        vehicle.AlphaPaintPicture(canvas.hDC(), 0, 0, kFrameSize, kFrameSize, frame * kFrameSize, 0,
                                  255);
        frame = (frame + 1) % kFrames;
        benchmark::DoNotOptimize(canvas.DIBSectionBitsPtr());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFrameBytes));
}

void MemcpyFrame(benchmark::State& state) {
    memcpyBytes(state, kFrameBytes);
}

constexpr int kStripWidth = kFrames * kFrameSize;
constexpr std::size_t kResampleSourceBytes = std::size_t{kStripWidth} * kFrameSize * 4;

// A surface of the given size with every byte varied, so that no filter meets a uniform area.
void fillVaried(cAlphaSurface& surface) {
    const std::size_t size =
        static_cast<std::size_t>(surface.BytesPerScanLine()) * surface.Height();
    for (std::size_t i = 0; i < size; ++i)
        surface.DIBSectionBitsPtr()[i] = static_cast<std::uint8_t>((i * 2654435761u) >> 13);
}

// Runs `filter` on a varied width x height surface; it must give a surface each time.
template <typename Filter>
void filterSurface(benchmark::State& state, int width, int height, std::size_t bytes,
                   Filter filter) {
    cAlphaSurface source;
    if (!source.Create(width, height)) {
        state.SkipWithError("no surface");
        return;
    }
    fillVaried(source);
    for (auto _ : state) {
        const std::unique_ptr<cAlphaSurface> result = filter(source);
        if (result == nullptr) {
            state.SkipWithError("the filter gave no surface");
            break;
        }
        benchmark::DoNotOptimize(result->DIBSectionBitsPtr());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void ResampleStrip(benchmark::State& state) {
    filterSurface(state, kStripWidth, kFrameSize, kResampleSourceBytes, [](const cAlphaSurface& s) {
        return s.Resample(kFrameSize / 2, kStripWidth / 2);
    });
}

void MemcpyResampleSource(benchmark::State& state) {
    memcpyBytes(state, kResampleSourceBytes);
}

void BlurVehicle(benchmark::State& state) {
    filterSurface(state, kStripWidth, 2 * kFrameSize, kVehicleOutputBytes,
                  [](const cAlphaSurface& s) { return s.Blur(1, 1); });
}

void UnsharpMaskVehicle(benchmark::State& state) {
    filterSurface(state, kStripWidth, 2 * kFrameSize, kVehicleOutputBytes,
                  [](const cAlphaSurface& s) { return s.UnsharpMask(); });
}

// The catalogue scan's strip: one 100-pixel cell for each of 201 vehicles.
constexpr int kCatalogueStripWidth = 20100;
constexpr int kCatalogueStripHeight = 100;
constexpr std::size_t kStripFillBytes =
    std::size_t{kCatalogueStripWidth - 1} * (kCatalogueStripHeight - 1) * 4;

// As the scan does it: a white one-pixel pen and a white brush, from (1, 1) to the far corner.
void FillStripRectangle(benchmark::State& state) {
    constexpr gdi::COLORREF white = 0x00FFFFFF;
    cAlphaSurface strip;
    if (!strip.Create(kCatalogueStripWidth, kCatalogueStripHeight)) {
        state.SkipWithError("no surface");
        return;
    }
    const gdi::HPEN pen = gdi::CreatePen(gdi::PS_SOLID, 1, white);
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(white);
    const gdi::HGDIOBJ previousPen = gdi::SelectObject(strip.hDC(), pen);
    const gdi::HGDIOBJ previousBrush = gdi::SelectObject(strip.hDC(), brush);
    for (auto _ : state) {
        gdi::Rectangle(strip.hDC(), 1, 1, kCatalogueStripWidth, kCatalogueStripHeight);
        benchmark::DoNotOptimize(strip.DIBSectionBitsPtr());
        benchmark::ClobberMemory();
    }
    gdi::SelectObject(strip.hDC(), previousPen);
    gdi::SelectObject(strip.hDC(), previousBrush);
    gdi::DeleteObject(pen);
    gdi::DeleteObject(brush);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kStripFillBytes));
}

void MemcpyStripFill(benchmark::State& state) {
    memcpyBytes(state, kStripFillBytes);
}

} // namespace

BENCHMARK(DecodeVehicle);
BENCHMARK(MemcpyVehicleOutput);
BENCHMARK(AlphaPaintFrame);
BENCHMARK(MemcpyFrame);
BENCHMARK(ResampleStrip);
BENCHMARK(MemcpyResampleSource);
BENCHMARK(BlurVehicle);
BENCHMARK(UnsharpMaskVehicle);
BENCHMARK(FillStripRectangle);
BENCHMARK(MemcpyStripFill);
