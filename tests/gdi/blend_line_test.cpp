// The blend's pixel loop in all its forms against the formula, over every combination of source
// channel, source alpha and target channel: the SSE2 and AVX2 forms must give exactly what the
// scalar form gives, which is what a build without SSE2 paints.
#include "platform/gdi/blend_line.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// min(255, c + d x (255 - a) / 255 rounded); 255 is odd, so the quotient is never halfway.
int formula(int c, int a, int d) {
    return std::min(255, c + (2 * d * (255 - a) + 255) / 510);
}

// For one source alpha: 256 x 256 pixels, every source channel value against every target
// channel value, each channel mapped differently so that a mix-up of lanes shows.
struct Lines {
    std::vector<std::uint8_t> source, target;
};

Lines everyPair(int alpha) {
    Lines lines{std::vector<std::uint8_t>(4 * 65536), std::vector<std::uint8_t>(4 * 65536)};
    for (int c = 0; c < 256; ++c)
        for (int d = 0; d < 256; ++d) {
            std::uint8_t* s = &lines.source[4 * (256 * c + d)];
            std::uint8_t* t = &lines.target[4 * (256 * c + d)];
            s[0] = static_cast<std::uint8_t>(c);
            s[1] = static_cast<std::uint8_t>(255 - c);
            s[2] = static_cast<std::uint8_t>(c ^ 0xA5);
            s[3] = static_cast<std::uint8_t>(alpha);
            t[0] = static_cast<std::uint8_t>(d);
            t[1] = static_cast<std::uint8_t>(d ^ 0x5A);
            t[2] = static_cast<std::uint8_t>(255 - d);
            t[3] = static_cast<std::uint8_t>(d);
        }
    return lines;
}

TEST(BlendLine, TheScalarFormFollowsTheFormulaForEveryChannelAlphaAndTarget) {
    for (int alpha = 0; alpha < 256; ++alpha) {
        Lines lines = everyPair(alpha);
        const std::vector<std::uint8_t> before = lines.target;
        gdi::blend::blendLineScalar(lines.source.data(), lines.target.data(), 65536, 1);
        for (std::size_t i = 0; i < lines.target.size(); ++i) {
            const int channel = static_cast<int>(i % 4);
            const int c = channel == 3 ? alpha : lines.source[i];
            ASSERT_EQ(lines.target[i], formula(c, alpha, before[i]))
                << "alpha " << alpha << ", source " << c << ", target " << int{before[i]}
                << ", channel " << channel;
        }
    }
}

#if defined(__SSE2__)
TEST(BlendLine, TheSse2FormGivesWhatTheScalarFormGives) {
    for (int alpha = 0; alpha < 256; ++alpha) {
        Lines scalar = everyPair(alpha);
        Lines vector = scalar;
        gdi::blend::blendLineScalar(scalar.source.data(), scalar.target.data(), 65536, 1);
        gdi::blend::blendLineSse2(vector.source.data(), vector.target.data(), 65536);
        ASSERT_EQ(vector.target, scalar.target) << "alpha " << alpha;
    }
}

#if defined(__x86_64__)
// Every pair, and every line length up to a few groups of the widest form.
void expectTheScalarResults(void (*form)(const std::uint8_t*, std::uint8_t*, int)) {
    for (int alpha = 0; alpha < 256; ++alpha) {
        Lines scalar = everyPair(alpha);
        Lines vector = scalar;
        gdi::blend::blendLineScalar(scalar.source.data(), scalar.target.data(), 65536, 1);
        form(vector.source.data(), vector.target.data(), 65536);
        ASSERT_EQ(vector.target, scalar.target) << "alpha " << alpha;
    }
    for (int count = 0; count <= 67; ++count) {
        Lines scalar = everyPair(count);
        Lines vector = scalar;
        gdi::blend::blendLineScalar(scalar.source.data() + 4, scalar.target.data() + 4, count, 1);
        form(vector.source.data() + 4, vector.target.data() + 4, count);
        ASSERT_EQ(vector.target, scalar.target) << count << " pixels";
    }
}

TEST(BlendLine, TheAvx2FormGivesWhatTheScalarFormGives) {
    if (!gdi::blend::processorHasAvx2())
        GTEST_SKIP() << "this processor has no AVX2";
    expectTheScalarResults(gdi::blend::blendLineAvx2);
}

TEST(BlendLine, TheAvx512FormGivesWhatTheScalarFormGives) {
    if (!gdi::blend::processorHasAvx512())
        GTEST_SKIP() << "this processor has no AVX-512";
    expectTheScalarResults(gdi::blend::blendLineAvx512);
}
#endif

// Lines of every length up to a few groups of four: the pixels after the last whole group go
// through the scalar form, and nothing past the line is touched.
TEST(BlendLine, TheSse2FormBlendsEveryLengthWholly) {
    for (int count = 0; count <= 19; ++count) {
        Lines scalar = everyPair(100 + count);
        Lines vector = scalar;
        gdi::blend::blendLineScalar(scalar.source.data() + 4, scalar.target.data() + 4, count, 1);
        gdi::blend::blendLineSse2(vector.source.data() + 4, vector.target.data() + 4, count);
        ASSERT_EQ(vector.target, scalar.target) << count << " pixels";
    }
}
#endif

} // namespace
