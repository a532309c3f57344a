// The inside of a row of the blur with both divisors 1, the one UnsharpMask uses and the one
// the program runs on whole vehicle surfaces, in integers: each byte becomes
// (sum of its pixel's 8 neighbours / 8 + its value) / 2 = (sum + 8 x value) / 16, rounded half
// to even. (sum / 8 is exact in single precision, so this is what the floating-point formula of
// the other divisors gives.) The unsharp mask's 2 x value - blur, clamped, can be stored
// instead. In the same pass the column sums are moved on to the next row, while they are in
// registers. Four forms: scalar, SSE2, AVX2 and AVX-512; the fastest the processor runs is
// picked, and the tests hold each to the scalar one.
#pragma once

#include <cstdint>

namespace pixelfilters {

enum class BlurResult { Blurred, Sharpened };

// The first `count` bytes from `centre` on, whose pixels all have neighbours on every side,
// into as many from `target` on; every other pointer starts at the same byte. `columnSums`
// holds, per byte, the sum over the row and the rows above and below it, so the bytes of the
// pixels left and right of byte i are at i - 4 and i + 4 (read from -4 up to count + 4).
// `nextSums` receives columnSums - leaving + entering, the sums for the row below.
struct UnitBlurRow {
    const std::uint8_t* centre;
    const std::uint16_t* columnSums;
    const std::uint8_t* leaving;
    const std::uint8_t* entering;
    std::uint16_t* nextSums;
    int count;
    BlurResult result;
    std::uint8_t* target;

    // The part from byte `done` on.
    UnitBlurRow from(int done) const {
        return {centre + done,   columnSums + done, leaving + done, entering + done,
                nextSums + done, count - done,      result,         target + done};
    }
};

void unitBlurScalar(const UnitBlurRow& row);
#if defined(__SSE2__)
void unitBlurSse2(const UnitBlurRow& row);
#endif
#if defined(__x86_64__)
// Only on a processor with AVX2, and with AVX-512 (byte and word instructions).
void unitBlurAvx2(const UnitBlurRow& row);
void unitBlurAvx512(const UnitBlurRow& row);
bool processorHasAvx2();
bool processorHasAvx512();
#endif

// The fastest form for this processor.
void unitBlur(const UnitBlurRow& row);

} // namespace pixelfilters
