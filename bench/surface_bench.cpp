// The vehicle load and the thumbnail blend, each next to a memcpy of the bytes it produces.
//   decode / memcpy: one 2880 x 80 strip + 80 x 80 2D image from memory into a fresh 2880 x 160
//   surface, against copying 2880 x 160 x 4 bytes.
//   alpha paint / memcpy: one 80 x 80 frame blended onto a canvas, against copying 80 x 80 x 4
//   bytes.
#include "surface/alpha_surface.h"
#include "tests/support/srf_writer.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

namespace {

constexpr int frameSize = 80;
constexpr int frames = 36;
constexpr std::size_t vehicleOutputBytes = std::size_t{frames} * frameSize * (2 * frameSize) * 4;
constexpr std::size_t frameBytes = std::size_t{frameSize} * frameSize * 4;

// A vehicle with varied colours and transparencies, as a real one has.
const std::vector<std::uint8_t>& vehicleBytes() {
    static const std::vector<std::uint8_t> bytes = [] {
        srftest::File file = srftest::typical(frames, frameSize, frameSize);
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
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * vehicleOutputBytes));
}

void MemcpyVehicleOutput(benchmark::State& state) {
    std::vector<std::uint8_t> from(vehicleOutputBytes, 1), to(vehicleOutputBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * vehicleOutputBytes));
}

void AlphaPaintFrame(benchmark::State& state) {
    cAlphaSurface vehicle, canvas;
    if (vehicle.CreateFromGarminSRFBytes(vehicleBytes()) != 1 ||
        !canvas.Create(frameSize, frameSize)) {
        state.SkipWithError("no surfaces");
        return;
    }
    int frame = 0;
    for (auto _ : state) {
        vehicle.AlphaPaintPicture(canvas.hDC(), 0, 0, frameSize, frameSize, frame * frameSize, 0,
                                  255);
        frame = (frame + 1) % frames;
        benchmark::DoNotOptimize(canvas.DIBSectionBitsPtr());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * frameBytes));
}

void MemcpyFrame(benchmark::State& state) {
    std::vector<std::uint8_t> from(frameBytes, 1), to(frameBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * frameBytes));
}

} // namespace

BENCHMARK(DecodeVehicle);
BENCHMARK(MemcpyVehicleOutput);
BENCHMARK(AlphaPaintFrame);
BENCHMARK(MemcpyFrame);
