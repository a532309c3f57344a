// The blur and the unsharp mask. Each row is worked from per-byte sums over the rows around it,
// kept as a rolling sum: when the window moves down a row, the row that leaves it is taken off
// and the one that enters it added, in the same pass that blurs the row, instead of three
// passes. The inside of a row runs in vector loops, its two edge pixels one by one. The unsharp
// mask sharpens each byte as soon as its blur is known, so the blur is never stored.
#include "format/vector_clones.h"
#include "surface/pixel_filters.h"
#include "surface/pixel_rounding.h"
#include "surface/unit_blur.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace pixelfilters {
namespace {

// What a row's bytes become: the blur itself, or the unsharp mask's 2 x value - blur.
using Result = BlurResult;

inline std::uint8_t sharpened(std::uint8_t centre, std::uint8_t blurred) {
    const int value = 2 * centre - blurred;
    return static_cast<std::uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

inline std::uint8_t finished(Result result, std::uint8_t centre, std::uint8_t blurred) {
    return result == Result::Sharpened ? sharpened(centre, blurred) : blurred;
}

// (sum of the neighbours / divisor + centre / centreDivisor) / 2.
inline std::uint8_t blurredByte(int neighbourSum, float divisor, std::uint8_t centre,
                                float centreDivisor) {
    return storedByte(
        (static_cast<float>(neighbourSum) / divisor + static_cast<float>(centre) / centreDivisor) /
        2.0f);
}

// The first `count` bytes from `centre` on, whose pixels all have neighbours on every side;
// `columnSums` and `target` start at the same byte. One loop for each result, so that each
// vectorises without a test inside.
MOTORHALL_VECTOR_CLONES
void interiorBlur(const std::uint8_t* __restrict centre, const std::uint16_t* __restrict columnSums,
                  int count, float divisor, float centreDivisor, Result result,
                  std::uint8_t* __restrict target) {
    const auto neighbourSum = [&](int i) {
        return columnSums[i - 4] + columnSums[i] + columnSums[i + 4] - centre[i];
    };
    if (result == Result::Sharpened) {
        for (int i = 0; i < count; ++i)
            target[i] = sharpened(centre[i],
                                  blurredByte(neighbourSum(i), divisor, centre[i], centreDivisor));
        return;
    }
    for (int i = 0; i < count; ++i)
        target[i] = blurredByte(neighbourSum(i), divisor, centre[i], centreDivisor);
}

// The first and last rows of the blur with both divisors 1 have 5 neighbours inside: (sum / 5 +
// centre) / 2 = (sum + 5 x centre) / 10, rounded half to even, in integers. Single precision
// gives the same: the exact value is a multiple of 1/10, so one that is no half lies at least
// 1/10 from one, far more than the float steps can move it; and at a half, sum / 5 is a whole
// number and every float step exact.
MOTORHALL_VECTOR_CLONES
void interiorUnitBlurOfTwoRows(const std::uint8_t* __restrict centre,
                               const std::uint16_t* __restrict columnSums, int count, Result result,
                               std::uint8_t* __restrict target) {
    const auto blurred = [&](int i) {
        // The six pixels of the sums, the centre among them, + 4 x the centre.
        const auto tenths = static_cast<std::uint16_t>(columnSums[i - 4] + columnSums[i] +
                                                       columnSums[i + 4] + 4 * centre[i]);
        // + 4, and + 1 more when the integer part is odd: a half goes up only to an even result.
        const auto odd = static_cast<std::uint16_t>((tenths / 10) & 1);
        return static_cast<std::uint8_t>((tenths + 4 + odd) / 10);
    };
    if (result == Result::Sharpened) {
        for (int i = 0; i < count; ++i)
            target[i] = sharpened(centre[i], blurred(i));
        return;
    }
    for (int i = 0; i < count; ++i)
        target[i] = blurred(i);
}

// How the bytes of one row are worked out.
struct RowFilter {
    int rowsAround; // rows in the column sums: this one and those above and below that exist
    float centreDivisor;
    float neighbourDivisor;
    Result result;
};

// A pixel at the image's left or right edge, with the neighbours that exist on its sides;
// the pointers are at its first byte.
void edgePixel(const std::uint8_t* centre, const std::uint16_t* columnSums, bool left, bool right,
               const RowFilter& filter, std::uint8_t* target) {
    const int columns = 1 + (left ? 1 : 0) + (right ? 1 : 0);
    const int neighbours = columns * filter.rowsAround - 1;
    for (int c = 0; c < 4; ++c) {
        int sum = columnSums[c] - centre[c];
        if (left)
            sum += columnSums[c - 4];
        if (right)
            sum += columnSums[c + 4];
        // Without neighbours (a 1 x 1 image) the pixel stands for its own surroundings.
        const std::uint8_t blurred =
            neighbours > 0
                ? blurredByte(sum, static_cast<float>(neighbours) * filter.neighbourDivisor,
                              centre[c], filter.centreDivisor)
                : storedByte((static_cast<float>(centre[c]) / filter.neighbourDivisor +
                              static_cast<float>(centre[c]) / filter.centreDivisor) /
                             2.0f);
        target[c] = finished(filter.result, centre[c], blurred);
    }
}

// Moves the sums down one row: `leaving` is taken off and `entering` added. The arithmetic
// wraps in 16 bits, and the sums it ends on are at most 3 x 255.
MOTORHALL_VECTOR_CLONES
void moveColumnSums(const std::uint16_t* __restrict columnSums,
                    const std::uint8_t* __restrict leaving, const std::uint8_t* __restrict entering,
                    std::size_t count, std::uint16_t* __restrict nextSums) {
    for (std::size_t i = 0; i < count; ++i)
        nextSums[i] = static_cast<std::uint16_t>(columnSums[i] - leaving[i] + entering[i]);
}

// One row, with everything from its first byte: the row, its column sums and the rows that
// leave and enter them after it, and where the next row's sums and the results go.
struct RowSpan {
    const std::uint8_t* centre;
    const std::uint16_t* columnSums;
    const std::uint8_t* leaving;
    const std::uint8_t* entering;
    std::uint16_t* nextSums;
    std::uint8_t* target;
};

// The sums of pixels [first, first + pixels) moved on by themselves.
void moveSumsOf(const RowSpan& row, int first, int pixels) {
    if (pixels <= 0 || row.nextSums == nullptr)
        return;
    const std::size_t at = 4 * static_cast<std::size_t>(first);
    moveColumnSums(row.columnSums + at, row.leaving + at, row.entering + at,
                   4 * static_cast<std::size_t>(pixels), row.nextSums + at);
}

// Pixels [first, first + pixels) of the row, which have neighbours on both sides; their sums
// are moved on too.
void interiorPixels(const RowSpan& row, int first, int pixels, const RowFilter& filter) {
    if (pixels <= 0)
        return;
    const std::size_t at = 4 * static_cast<std::size_t>(first);
    const int count = 4 * pixels;
    if (filter.rowsAround == 3 && filter.centreDivisor == 1.0f && filter.neighbourDivisor == 1.0f) {
        unitBlur({row.centre + at, row.columnSums + at, row.leaving + at, row.entering + at,
                  row.nextSums + at, count, filter.result, row.target + at});
        return;
    }
    if (filter.rowsAround == 2 && filter.centreDivisor == 1.0f && filter.neighbourDivisor == 1.0f) {
        interiorUnitBlurOfTwoRows(row.centre + at, row.columnSums + at, count, filter.result,
                                  row.target + at);
    } else {
        const float divisor =
            static_cast<float>(3 * filter.rowsAround - 1) * filter.neighbourDivisor;
        interiorBlur(row.centre + at, row.columnSums + at, count, divisor, filter.centreDivisor,
                     filter.result, row.target + at);
    }
    moveSumsOf(row, first, pixels);
}

// The column sums of the current row and of the next, swapped after every row.
struct ColumnSums {
    std::vector<std::uint16_t> current, next;
};

void filterRows(const PixelRows& source, std::uint8_t* target, float centreDivisor,
                float neighbourDivisor, Result result) {
    const std::size_t count = 4 * static_cast<std::size_t>(source.width);
    // Rows beyond the image enter and leave the sums as zeros.
    const std::vector<std::uint8_t> zeros(count);
    const auto rowOrZeros = [&](int y) {
        return y >= 0 && y < source.height ? source.row(y) : zeros.data();
    };
    ColumnSums sums{std::vector<std::uint16_t>(count), std::vector<std::uint16_t>(count)};
    moveColumnSums(sums.current.data(), zeros.data(), rowOrZeros(0), count, sums.next.data());
    moveColumnSums(sums.next.data(), zeros.data(), rowOrZeros(1), count, sums.current.data());
    const int last = source.width - 1;
    for (int y = 0; y < source.height; ++y) {
        const RowFilter filter = {1 + (y > 0 ? 1 : 0) + (y + 1 < source.height ? 1 : 0),
                                  centreDivisor, neighbourDivisor, result};
        const RowSpan row = {source.row(y), sums.current.data(), rowOrZeros(y - 1),
                             rowOrZeros(y + 2),
                             // The last row has no next sums.
                             y + 1 < source.height ? sums.next.data() : nullptr,
                             target + static_cast<std::size_t>(y) * source.stride};
        edgePixel(row.centre, row.columnSums, false, last > 0, filter, row.target);
        moveSumsOf(row, 0, 1);
        if (last > 0) {
            interiorPixels(row, 1, last - 1, filter);
            const std::size_t at = 4 * static_cast<std::size_t>(last);
            edgePixel(row.centre + at, row.columnSums + at, true, false, filter, row.target + at);
            moveSumsOf(row, last, 1);
        }
        std::swap(sums.current, sums.next);
    }
}

} // namespace

void blur(const PixelRows& source, std::uint8_t* target, float centreDivisor,
          float neighbourDivisor) {
    filterRows(source, target, centreDivisor, neighbourDivisor, Result::Blurred);
}

void unsharpMask(const PixelRows& source, std::uint8_t* target) {
    filterRows(source, target, 1.0f, 1.0f, Result::Sharpened);
}

} // namespace pixelfilters
