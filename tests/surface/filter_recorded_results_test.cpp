// Resample, Blur and UnsharpMask on pseudo-random images of many sizes, every result byte held to
// the hash recorded from the filters' first, plainly written loops: a faster loop may change how
// the work is done, never a byte of what it gives. The sizes put every pixel position of a
// vectorised loop (first, last, in a partial group) on an edge and inside; the divisors reach
// both clamps, the NaN and the infinities.
#include "surface/alpha_surface.h"
#include "tests/support/recorded_results.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

using testsupport::CaseHashes;
using testsupport::RandomBytes;

struct Size {
    int width;
    int height;
};

const std::vector<Size>& sizes() {
    static const std::vector<Size> all = {{1, 1},  {1, 2},  {2, 1},  {2, 2},   {3, 3},  {4, 1},
                                          {1, 5},  {5, 4},  {7, 3},  {16, 2},  {17, 5}, {31, 4},
                                          {33, 3}, {64, 6}, {97, 7}, {130, 9}, {333, 5}};
    return all;
}

// Random bytes, or bytes from the ends of the range only, where every clamp is reached.
enum class Content { Random, Extremes };

std::string describe(Size size, Content content) {
    return std::to_string(size.width) + " x " + std::to_string(size.height) +
           (content == Content::Random ? " random" : " extremes");
}

void fillSurface(cAlphaSurface& surface, Size size, Content content, std::uint64_t seed) {
    ASSERT_TRUE(surface.Create(size.width, size.height));
    RandomBytes random(seed);
    static constexpr std::uint8_t ends[] = {0, 1, 2, 127, 128, 253, 254, 255};
    const std::size_t bytes = static_cast<std::size_t>(surface.BytesPerScanLine()) * size.height;
    for (std::size_t i = 0; i < bytes; ++i)
        surface.DIBSectionBitsPtr()[i] =
            content == Content::Random ? random.byte() : ends[random.below(8)];
}

std::uint64_t hashOf(const cAlphaSurface& surface) {
    return testsupport::hashBytes(surface.DIBSectionBitsPtr(),
                                  static_cast<std::size_t>(surface.BytesPerScanLine()) *
                                      surface.Height());
}

// Runs `each(source, name)` over every size and content.
template <typename Each>
void forEverySource(Each each) {
    std::uint64_t seed = 1;
    for (const Size size : sizes())
        for (const Content content : {Content::Random, Content::Extremes}) {
            cAlphaSurface source;
            fillSurface(source, size, content, seed++);
            each(source, describe(size, content));
        }
}

TEST(FilterRecordedResults, BlurGivesEveryByteAsRecorded) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    const std::pair<float, float> divisors[] = {
        {1, 1},       {2, 1},      {1, 2},      {0.5f, 3}, {-1, 1},  {0.1f, 1},          {3, 7},
        {-2, -0.5f},  {1e-30f, 1}, {1, 1e-30f}, {inf, 1},  {1, inf}, {std::nanf(""), 1}, {1, -inf},
        {1.5f, 0.75f}};
    CaseHashes got;
    forEverySource([&](const cAlphaSurface& source, const std::string& name) {
        for (const auto& [centre, neighbours] : divisors) {
            const auto result = source.Blur(centre, neighbours);
            ASSERT_NE(result, nullptr);
            got.add(name + " Blur(" + std::to_string(centre) + ", " + std::to_string(neighbours) +
                        ")",
                    hashOf(*result));
        }
    });
    testsupport::expectRecorded(
        got,
        {0xd7911df05a6f3803ull, 0x31475d1ee6d9feb5ull, 0x31475d1ee6d9feb5ull, 0xb9ace3bb34bfb20bull,
         0x315446a086a23133ull, 0x445918642857068full, 0xac6d1b91edbd772dull, 0x315446a086a23133ull,
         0x445918642857068full, 0x445918642857068full, 0xec0ef7f77d8690aeull, 0xec0ef7f77d8690aeull,
         0x315446a086a23133ull, 0xec0ef7f77d8690aeull, 0xd7911df05a6f3803ull, 0x5f4bae6e76dabae0ull,
         0x632ccc58eb955240ull, 0x632ccc58eb955240ull, 0xe46f1566365e1776ull, 0x315446a086a23133ull,
         0x3065ac6660d34c0bull, 0xb0550c94bb710c40ull, 0x315446a086a23133ull, 0x445918642857068full,
         0x445918642857068full, 0xd92bd1914c617827ull, 0xd92bd1914c617827ull, 0x315446a086a23133ull,
         0xd92bd1914c617827ull, 0x5f4bae6e76dabae0ull, 0xd4bc099f2a591fbbull, 0xa5bd8d917bb9c82aull,
         0x2eef2e5b2042cafaull, 0x9eb1129b03bf7b57ull, 0xe5f4723eba037cbbull, 0xceae24d6e1e1f26aull,
         0xf4ec44781660443ull,  0x47fe0d7eaf8e51e3ull, 0xa2e4fe0a8a14645bull, 0xa2e4fe0a8a14645bull,
         0xb14dd1f41daa822aull, 0x125748ccc8f03082ull, 0x47fe0d7eaf8e51e3ull, 0x125748ccc8f03082ull,
         0x3e006bdd7851a5d7ull, 0xcac0bdcd0e5df3c3ull, 0xaf6d86f4c3958623ull, 0xdb261194176fb223ull,
         0x543a36d0d1c96019ull, 0x47fe6b7eaf8ef19dull, 0x608e289f0dc663f2ull, 0x53b138a2b2f18007ull,
         0x47fe0d7eaf8e51e3ull, 0x9e60f74c6bcfc42eull, 0x6818c708b4ab46e6ull, 0x2c7c4bf43cb5c417ull,
         0xa221f586a3f9392full, 0x47fe0d7eaf8e51e3ull, 0xa221f586a3f9392full, 0xd39b105970789c2eull,
         0xb9d59908eab08083ull, 0x39f71179d4180313ull, 0x9c52c883e9333887ull, 0x620413e6cf43598eull,
         0x570cec9a85ed2b55ull, 0x105e28a7805fd6b8ull, 0x17f54c8f25dc890bull, 0x47fe0d7eaf8e51e3ull,
         0xa2e4fe0a8a14645bull, 0xa2e4fe0a8a14645bull, 0x9fb68f0fe4ea1ce2ull, 0x7dcb8c2d42e24d7aull,
         0x47fe0d7eaf8e51e3ull, 0x7dcb8c2d42e24d7aull, 0xa3e83d649cb9b189ull, 0xaddb09aa2be64973ull,
         0x16493a85bfc71314ull, 0x7f67ecd01fdb0484ull, 0xf84531d6c0ee72ecull, 0xca4c5ef937a6d8b4ull,
         0x646d0b7660070a3bull, 0x394e5d5b019700afull, 0x47fe0d7eaf8e51e3ull, 0xbe9de4c38fd3a56dull,
         0x6cc4e04294f260cdull, 0xa3d9d23dba7c8034ull, 0xba91fdfd2e50aba4ull, 0x47fe0d7eaf8e51e3ull,
         0xba91fdfd2e50aba4ull, 0x31499fb2fd0352a5ull, 0xa3ffa74b1f13262cull, 0x49aac6be08873d72ull,
         0x226e24e3a5ac3c9bull, 0x2405055463165592ull, 0x59fba0020471eec2ull, 0x9070c80f48a609c5ull,
         0xcb90b2ec91238a15ull, 0xa31e272015f12c43ull, 0xc4e8abfa4543d433ull, 0xc4e8abfa4543d433ull,
         0x85d378fe2d46308aull, 0xcf02f9dd920899aaull, 0xa31e272015f12c43ull, 0xcf02f9dd920899aaull,
         0xac774b32be2d65ull,   0x50e7b671bf7c53c6ull, 0xc30ccf7842fab887ull, 0x96c9d29f70764d8dull,
         0x7b237bf14cde9a8eull, 0xb0cebfe6003bb54bull, 0x31332506dc0d4375ull, 0x39b65967b3729a21ull,
         0xa31e272015f12c43ull, 0xd5bb04aa91c9f55eull, 0xc4e8abfa4543d433ull, 0xe118a61bf77c9d4eull,
         0x371d6b604c7be006ull, 0xa31e272015f12c43ull, 0x371d6b604c7be006ull, 0xbc7c1dcb625212e1ull,
         0xcc27297c1d56f83eull, 0xc628b124478f321dull, 0x4767320bb614765eull, 0xd2aba4ce5f5c09c6ull,
         0x9b4d7117a94329c8ull, 0x384d7b6cbc0af9d8ull, 0xfae3a1b75b3b9923ull, 0x509655bf1098ab3ull,
         0x5f8e788ea9a4d6ull,   0x3eddfe2ead9a35efull, 0x6d087f28a3fb6115ull, 0xf27a04c8e27e5ea8ull,
         0x509655bf1098ab3ull,  0xf27a04c8e27e5ea8ull, 0xb21f01e4338a4346ull, 0xe9548c7403d7f88eull,
         0x86e457e4665752f0ull, 0xa4e7960b8f7efd09ull, 0x69ab8c39c591cee9ull, 0x68e221aa270d273full,
         0x4a8e0138ba0e521full, 0x10c034307bbaee72ull, 0x509655bf1098ab3ull,  0x16492aa4b061ed21ull,
         0x3eddfe2ead9a35efull, 0xa4763b04732c8f07ull, 0x31fe13c2ac24d5c3ull, 0x509655bf1098ab3ull,
         0x31fe13c2ac24d5c3ull, 0x7fe12a52a65fbb83ull, 0x7571ac615f533185ull, 0x498ed3500e7c8f4eull,
         0xed59c6e1dd5d7848ull, 0x80bbb268f90b2ca8ull, 0x76c5499c679ad218ull, 0x9456eb31f5c4c703ull,
         0xf508a5302f94c79ull,  0xa31e272015f12c43ull, 0xc4e8abfa4543d433ull, 0xc4e8abfa4543d433ull,
         0x3b49c03c4806806bull, 0x89dfbe448feb18f5ull, 0xa31e272015f12c43ull, 0x89dfbe448feb18f5ull,
         0xb6aef41b91cb72d7ull, 0x61002c8417e8f8e5ull, 0xaa08b3dce8b59fcdull, 0x277f09fe7081ec62ull,
         0x50defa0555803b54ull, 0xc9fa72e9cf5f1263ull, 0xe208ac8235319742ull, 0x17928cb308a5976bull,
         0xa31e272015f12c43ull, 0x61a6d0daaee93116ull, 0x8500a4fbd4c45c4eull, 0xa9ea1a3650d97d72ull,
         0x928f60a8bcf08f4dull, 0xa31e272015f12c43ull, 0x928f60a8bcf08f4dull, 0xd16ed5aba400e41bull,
         0x67f641223e95e90aull, 0x1e409325eea99a3cull, 0x9b4ff9dbc4314527ull, 0x8358ff6b45a43244ull,
         0xe81dafa4c8fd4083ull, 0xcb4a3d83802f2376ull, 0x8f6eb427ba93b979ull, 0xf987af2e35fa45f3ull,
         0xdb41d0853b037e3full, 0xdb41d0853b037e3full, 0x95d8ce753a080d38ull, 0xce7c407efd2073fdull,
         0xf987af2e35fa45f3ull, 0xce7c407efd2073fdull, 0x7e5bb938bd0f9a2full, 0xa4427e4abd53a757ull,
         0x8efb90dc1107c362ull, 0xb6b2374e4e7492cdull, 0xf6f0b6e0dafbd44ull,  0x36b2cdc0fa738630ull,
         0xb25d7043edd3e1ddull, 0x78b2c762ec062577ull, 0xf987af2e35fa45f3ull, 0x161392a1af3a97e6ull,
         0x305afa09f9187ea1ull, 0xd744affa9bd9e802ull, 0xe6015a4e3ec579bcull, 0xf987af2e35fa45f3ull,
         0xe6015a4e3ec579bcull, 0x338242b40160221aull, 0x1efdb5a4e03674c4ull, 0x3ddbbcabe3305379ull,
         0x461b8fcb16695bbdull, 0x236cfa23344216daull, 0xd7986cd3c49105b9ull, 0x48df4191da736a9dull,
         0xeb2f58fe99f768eeull, 0xc3b584ef67d3af43ull, 0xe000e4aec42626f3ull, 0xe000e4aec42626f3ull,
         0x3919277cbad49d2cull, 0xad9556f3a205a703ull, 0xc3b584ef67d3af43ull, 0xad9556f3a205a703ull,
         0xd8ba98317a6f1d08ull, 0xf1c567cee6686a00ull, 0x76c8ca7b1f06eddull,  0x449e114cc9a6897dull,
         0x56f8bef289e79a22ull, 0xe26fdd6c25dbefbfull, 0x8c873734e17a0e10ull, 0x6872d79ce636921eull,
         0xc3b584ef67d3af43ull, 0xf22776f949fc708bull, 0xe000e4aec42626f3ull, 0xebe2f371f0a3031bull,
         0x6557f6ccb1519652ull, 0xc3b584ef67d3af43ull, 0x6557f6ccb1519652ull, 0xf8e9c75d6c9238c3ull,
         0x5f783fbbbfeb9b48ull, 0x42338527767ef06eull, 0x225d64aa83e67be2ull, 0xbc1679d6ce503182ull,
         0x719ab546fef8a020ull, 0x684f5f2f40587da7ull, 0xd076c2282fdfe440ull, 0x56ae35a50e7a78f3ull,
         0xd2375218149046ffull, 0xd2375218149046ffull, 0x915ae5f48ec39ed9ull, 0x95383cf679e6ee68ull,
         0x56ae35a50e7a78f3ull, 0x95383cf679e6ee68ull, 0x31f74e305c6ac9b1ull, 0xaaf5d4808a68fcf3ull,
         0x9d3c162391b72bf9ull, 0x3b1f2603c9de8157ull, 0x2d5b6095abed8cd5ull, 0x31f69420e622a853ull,
         0x7ca7611752f7256ull,  0xcca2cca63bd6ad95ull, 0x56ae35a50e7a78f3ull, 0x47486ce36497817eull,
         0xd2375218149046ffull, 0xe9eee01947b5748aull, 0xc1711f3d6991b952ull, 0x56ae35a50e7a78f3ull,
         0xc1711f3d6991b952ull, 0x914849cf65dca47full, 0x7f7664e3045e7edcull, 0xcb18dbb02b79ea7dull,
         0x8a628b3347aa369dull, 0x83d10b2f1b7effe4ull, 0x520e3bc0d408d7d1ull, 0x5309c05666825fefull,
         0x3ffbf53b77335af7ull, 0x306c537b2ff38983ull, 0x3c47b4369d91ad03ull, 0x3c47b4369d91ad03ull,
         0xc9a580f2d2478f7aull, 0xb4b9fcee684b7574ull, 0x306c537b2ff38983ull, 0xb4b9fcee684b7574ull,
         0x539c2aed956f26a9ull, 0x12b2be2fe821e825ull, 0xa90b3de18fcd345ull,  0x1544a1dfdc5136efull,
         0x9808deef9fcaad50ull, 0xc7f5054c4c88514cull, 0x42c8d69cfa3915d4ull, 0xdb5131014eb3346aull,
         0x306c537b2ff38983ull, 0x1e02b80c09d96f6bull, 0x3c47b4369d91ad03ull, 0xc42f914460ec3c6ull,
         0xf299e41b69a17023ull, 0x306c537b2ff38983ull, 0xf299e41b69a17023ull, 0x40c5d958ab69c659ull,
         0xc7bfb09a1dd43aeull,  0x645016edb8a52aa7ull, 0x2e99255e653a1ea6ull, 0xc5378b1d0c7b64b1ull,
         0x83e7a62ee4767185ull, 0x9f2798df40cb2cf6ull, 0xd815d2498575e8ccull, 0x5ef1116496f944f3ull,
         0x6df7d63f6240f89full, 0x380f6149b492bbffull, 0xd0e836a2f4c0663cull, 0xba8140fbaf4e830full,
         0x5ef1116496f944f3ull, 0xba8140fbaf4e830full, 0x1b7edaa30a758883ull, 0x66ff4c7b152b61b2ull,
         0x17348c4807be868full, 0x592b2236b2094066ull, 0x17efad81169e9d1aull, 0x2c8aed1a65e54d47ull,
         0x16186af06b12c82eull, 0x620113ebf0120082ull, 0x5ef1116496f944f3ull, 0xfddb6c776f2b4e63ull,
         0x380f6149b492bbffull, 0xba4b7ba1076e8c3full, 0x4f90b5211aee556bull, 0x5ef1116496f944f3ull,
         0x4f90b5211aee556bull, 0xa9f1ee72593e917bull, 0xd162436318b257deull, 0x6fcbd14e4dfdff54ull,
         0xee9ea69441de10eull,  0xe2104036ae123ff9ull, 0xab1abbf4d48194d8ull, 0x32da288fa794bca0ull,
         0xb86c42ac04d78dbbull, 0xb27c356e51b522c3ull, 0x1959499992cafad3ull, 0x1959499992cafad3ull,
         0x2a92f3305c971532ull, 0x36850839929307c1ull, 0xb27c356e51b522c3ull, 0x36850839929307c1ull,
         0xa2f812036efbc45aull, 0xf6b2258215d46eeeull, 0xf9c3aed44469de1full, 0xcf3baeeb4a5b9dd2ull,
         0x71e7e0e0170deb0eull, 0x88e12cf7b58326d8ull, 0xe6b9c7a593d54cd9ull, 0x97c0d2b4a5063282ull,
         0xb27c356e51b522c3ull, 0x2f65c5dda5b8d869ull, 0x1959499992cafad3ull, 0x891d0a5f94a190b2ull,
         0x4cf5e57d9869f993ull, 0xb27c356e51b522c3ull, 0x4cf5e57d9869f993ull, 0xf679d62ed59ffb92ull,
         0x77a06135fba34513ull, 0x92a6be2af41ee948ull, 0xa90fc165fb611ff6ull, 0x934ca3ff7034e3d2ull,
         0x1c69e8d10270e6eeull, 0xafb2d370591894b8ull, 0xca9302a8042bec33ull, 0xbfd951d78a0a0793ull,
         0xe819b7c2fefe2d67ull, 0xe819b7c2fefe2d67ull, 0xc0d8d96e889e9ecfull, 0xebaf6ac7ab905ce0ull,
         0xbfd951d78a0a0793ull, 0xebaf6ac7ab905ce0ull, 0xdb166b1ac0b8e26cull, 0x6e3481270e9589e4ull,
         0x10029508ba533d7cull, 0x97266383ce549c4bull, 0x2dff3550420e880aull, 0xd95863d4a6b00a0bull,
         0xc02f7d138545adbcull, 0x999870c3004ecd7cull, 0xbfd951d78a0a0793ull, 0x6b12d5af38954f37ull,
         0xe819b7c2fefe2d67ull, 0xbee591dd66ce01c9ull, 0x3ae9c1f81f85f61full, 0xbfd951d78a0a0793ull,
         0x3ae9c1f81f85f61full, 0xbdae71abeaac696bull, 0xa6ff53fd51f2d16dull, 0x12e88f0e36540317ull,
         0x3c6b840cf1ce96a9ull, 0x29adc84998f03a7eull, 0x21aa8ffe228cf48full, 0xca4a08820f343c46ull,
         0xae03b12e22762d0ull,  0x3b6f2bb102c34b83ull, 0xb5bc7d4c34a56b7eull, 0x8897565627d6183ull,
         0x24104f1606a59772ull, 0xd61fecaef4d9a967ull, 0x3b6f2bb102c34b83ull, 0xd61fecaef4d9a967ull,
         0xb61d4c4cd5d72cbull,  0x1479ebd32e036b83ull, 0x196373ac7ef4c521ull, 0xc1676457ad823f28ull,
         0x75fff201ec24baebull, 0x20808f4200bf2af5ull, 0xbd5715f407d07f8dull, 0x7f86ca6dbc33665aull,
         0x3b6f2bb102c34b83ull, 0xd640d766d8e03f49ull, 0x8897565627d6183ull,  0x94c2d21f6e1ff7b6ull,
         0x95f16d69a2718290ull, 0x3b6f2bb102c34b83ull, 0x95f16d69a2718290ull, 0x892e93b80dbdbefull,
         0x45b8ce0b9ca34ea8ull, 0x6cba0ac095e44950ull, 0x6d5a996cb7fbf82dull, 0x3ff04d0efd0571d3ull,
         0xa87e2599fa07162dull, 0x33092d5dfe48f1b2ull, 0x251b440b56035513ull, 0xc2e39f39983f6053ull,
         0xad9aebd8f44cf75eull, 0x4bb101e0573a1417ull, 0x98b665ce05c8fd19ull, 0x3d70203eb728df2cull,
         0xc2e39f39983f6053ull, 0x3d70203eb728df2cull, 0xc6488543031d57c5ull, 0xd7a58ec3e5e9be29ull,
         0xa24783cb31f87aabull, 0xb5395ce30c52b1d9ull, 0x4b2086c3a3f809d1ull, 0x543a6e4373762c3dull,
         0x3c45b9f3b5135fa9ull, 0x9176b93de67427caull, 0xc2e39f39983f6053ull, 0x1be0cea1c75679e0ull,
         0xe912a2defe9d68aaull, 0x698c90e33313af93ull, 0x7474bf12449d60efull, 0xc2e39f39983f6053ull,
         0x7474bf12449d60efull, 0x3cd506282e03959eull, 0xc9bc198e57588256ull, 0xa4e79dc73618ccabull,
         0xaef8f2ec51ee1d66ull, 0x4aec1d71cc6029faull, 0xe996daf3697680d3ull, 0x345b8981ef20a4aaull,
         0xadb9b9172a1251e3ull, 0xdb27290884a44ce3ull, 0xa516d95649393d42ull, 0x29ac6a1f4c3c991bull,
         0x87e81a10801ed9cfull, 0xc386346306344d26ull, 0xdb27290884a44ce3ull, 0xc386346306344d26ull,
         0xae93b8a33ebfae76ull, 0xd1616122080d035dull, 0x449c8a94b7072079ull, 0x36ba56a5e51cf350ull,
         0x653a4d81515369b9ull, 0xf5b61ff4629ee6b9ull, 0x522a041c628352afull, 0x7c7e65a82c21f6c9ull,
         0xdb27290884a44ce3ull, 0x405ff34e7483e330ull, 0x29ac6a1f4c3c991bull, 0x640d98ef3a5b144cull,
         0xedfd87b1a9bf749eull, 0xdb27290884a44ce3ull, 0xedfd87b1a9bf749eull, 0x9ee5acecc523db96ull,
         0x8dc3daae4d7d91f6ull, 0xb186cc49acf9a9c5ull, 0xfa6bd2c86d267b94ull, 0x3970f7041242accull,
         0x10d118e67a2ad451ull, 0x5a378d9f5eb33483ull, 0x3c5d006ac4934b3full, 0xf5d694697ccce933ull,
         0xff74dd04c46c64bfull, 0x24df4eef16d0688full, 0xda6ae657d8587665ull, 0x195ba16dc32c9086ull,
         0xf5d694697ccce933ull, 0x195ba16dc32c9086ull, 0x175d102a17761864ull, 0xf75cc1c6c8db0ea5ull,
         0xe04ed6f0546d68ccull, 0x9583d13b7e23980full, 0xad44516f792db2b2ull, 0xdad744f7ebb7205eull,
         0x742489d7b1fa06fbull, 0x5694ef6d5178db36ull, 0xf5d694697ccce933ull, 0x53e19d14b5ab5afeull,
         0x24df4eef16d0688full, 0xa897c8fba8fd299eull, 0x37bd88f1a2ce1ec8ull, 0xf5d694697ccce933ull,
         0x37bd88f1a2ce1ec8ull, 0xe4bfefc143809528ull});
}

TEST(FilterRecordedResults, UnsharpMaskGivesEveryByteAsRecorded) {
    CaseHashes got;
    forEverySource([&](const cAlphaSurface& source, const std::string& name) {
        const auto result = source.UnsharpMask();
        ASSERT_NE(result, nullptr);
        got.add(name + " UnsharpMask", hashOf(*result));
    });
    testsupport::expectRecorded(
        got,
        {0xd7911df05a6f3803ull, 0x5f4bae6e76dabae0ull, 0xf87eb6d0bdd1e339ull, 0xdd9cecf309e57633ull,
         0x3ecf57ac046aa54eull, 0x3f8c85ef5bde71d8ull, 0x8e154b0c96566826ull, 0x3fa0a028907ece46ull,
         0xeb2a3b4b667cf9f2ull, 0x7236e67e5ff677f8ull, 0x9fac05d1ae2f46a0ull, 0xa31788627bc534a6ull,
         0x8247e7d96d059a66ull, 0xb2f630e87a30cbddull, 0xfe14e37ceafed3f5ull, 0x6f93903e5cfea55eull,
         0xf4c8a9ca0e78b3a2ull, 0x3a5eb947dc4c8664ull, 0xeab1fa5509255fe1ull, 0x88eaa471fcdb00fbull,
         0x8b0626c4c4cfd3a7ull, 0x70ec6a5188cde789ull, 0x55054485795be889ull, 0x9de68f4c52a4262eull,
         0x96a769037676d57eull, 0xdbaa64e79a6c61d4ull, 0x818de26c984cf6c3ull, 0x58bed2e180d6127eull,
         0xf6e7f3cba52dc55eull, 0x5968d5e014a77f94ull, 0xd87c070b466f9a41ull, 0x4d068068345dfb33ull,
         0x5da5368e4a9dc1a8ull, 0x2070cc21c8707ba4ull});
}

TEST(FilterRecordedResults, ResampleGivesEveryByteAsRecorded) {
    CaseHashes got;
    RandomBytes random(99);
    forEverySource([&](const cAlphaSurface& source, const std::string& name) {
        const int w = source.Width(), h = source.Height();
        if (w < 2 || h < 2)
            return;
        // Halves as the strip's thumbnails do, one pixel less and more each way, a large
        // enlargement that puts many result pixels between two source pixels, and random sizes.
        std::vector<Size> targets = {{w / 2, std::max(1, h / 2)},
                                     {w - 1, h + 1},
                                     {w + 1, h - 1},
                                     {w, 2 * h + 3},
                                     {7 * w, 5 * h},
                                     {1, 1}};
        for (int i = 0; i < 4; ++i)
            targets.push_back({1 + random.below(3 * w), 1 + random.below(3 * h)});
        for (const Size target : targets) {
            if (target.width < 1)
                continue;
            const auto result = source.Resample(target.height, target.width);
            ASSERT_NE(result, nullptr);
            got.add(name + " Resample to " + std::to_string(target.width) + " x " +
                        std::to_string(target.height),
                    hashOf(*result));
        }
    });
    testsupport::expectRecorded(
        got, {0x70bd12a7eaabbd11ull, 0x9c1ed60675615fcbull, 0x1402ac3b1b6fd01dull,
              0x83f8b60d54315c4eull, 0x3baba66d4f22ac03ull, 0x70bd12a7eaabbd11ull,
              0x1f3efd4c6e5f6dccull, 0x24d7d3f6be24f4d2ull, 0x18fdab76da342a18ull,
              0xef708cb7dfc8de63ull, 0x68cea96e7c7b83cbull, 0xbb225fe3d72028d7ull,
              0x355a08d63218c95cull, 0xf4d7ccd73ee0f642ull, 0x7d2614cf3b3b2e02ull,
              0x68cea96e7c7b83cbull, 0xdba4ca77be1e41ccull, 0x8876346e67890ab5ull,
              0xf90e0df29a0a53e0ull, 0x136556618100c5c5ull, 0x9ca769d4c9df167eull,
              0x293c027b4f63c57eull, 0xe3e5cfdbb11f385full, 0xa3a499c7fdc0d8cbull,
              0x4bd0464962ddeb6dull, 0x9ca769d4c9df167eull, 0xc264f7aeebac8f78ull,
              0x4900cca019a18262ull, 0xc0661fbe9124287eull, 0xf285fd0451f03228ull,
              0x286cfe92ceb5913aull, 0x27c73b1b93f778c3ull, 0x35adb7e4a79a0038ull,
              0xcd5d5699a4b3f1b7ull, 0x4d2119ea863ba19ull,  0x286cfe92ceb5913aull,
              0x46f0cf61d8c356fdull, 0xce38bd88774f4342ull, 0xedc49d185081b5e0ull,
              0xe3c9e4af08295bd0ull, 0x5a3361e82d385b8aull, 0x87be69b7448db8d5ull,
              0x488bafc7a74ac45dull, 0x93e53d5e28e75b02ull, 0xdda9f8ee602d4372ull,
              0x4aac747a0dc6bb37ull, 0x4bce21535a0b79e3ull, 0x2d8e9a14236379aeull,
              0x463c32b466e8b726ull, 0x4a956cafc53d7c17ull, 0xe714f41e4908666dull,
              0xa2e0235750d62195ull, 0xcbe1959ec2626b42ull, 0xef6b4b91bd93c21bull,
              0x4aa6b75becd4a9f2ull, 0x97009d669a9052b3ull, 0xfc1b3a0dd28d9a38ull,
              0xb466b1deb139b9c8ull, 0xe44a49d93e9e652full, 0x651b5a8bd5b02addull,
              0x203e1f8009d1d4f0ull, 0xcfda95f092da9950ull, 0x57008e4e58400c37ull,
              0x1c66f3fd0e2b9a0full, 0xd6307f47d87f84b0ull, 0x95817d7755cd14b0ull,
              0x1996ad11cfdc1858ull, 0x2a91ecc50ccba564ull, 0x711102bfb421d524ull,
              0x59adee0d35baa5c6ull, 0x6386e6e023f59035ull, 0x7c8951f3846436c0ull,
              0xe0a13e15e831ecedull, 0x6c4d18e3f70239ccull, 0xe11163f8b5765906ull,
              0xf165ba8fda3c7e63ull, 0x30df54f714a57c49ull, 0xaada15fa73f3b225ull,
              0x3f86d09cac3027c2ull, 0xb5ac5c12ae62d7d5ull, 0x9a4120b14eda4502ull,
              0x10689be7a86c774cull, 0x89940e371229e001ull, 0xeb6fb54572448755ull,
              0xe5fe8e5cff4d3e7full, 0xcd8a3e69afc413c6ull, 0x5ef26467756a0668ull,
              0xcd8a3e69afc413c6ull, 0x2a34a9df20bf98c0ull, 0xc2b64ef9e54d47e7ull,
              0xe56308c14ee813f1ull, 0x4332fd4357b73eb3ull, 0xb9af2bdd9d8e71c0ull,
              0xa87038e66b708cb1ull, 0x9d07af373efad84cull, 0x12e6d579502a9c0bull,
              0x4ac52dfd34613a71ull, 0x7f264514701b4fffull, 0xe08fab6c3894ae5full,
              0xe88b33e3122c592bull, 0xa7e95358f352c4d8ull, 0x3c32552e9ac3838aull,
              0x3dcb4875c2bdcb9dull, 0x94af5b4f3e391b0aull, 0x1adbdc292ef6c57eull,
              0x84972eacb57aee17ull, 0x68ca0a1086e1e8beull, 0x637c1a8bc2e40dbfull,
              0x83d227ebefecd1f7ull, 0xe0582b229bb8cfb7ull, 0x807fed9c8ee81b3full,
              0x40925a20ccceb060ull, 0xb49b2de3bb532f0ull,  0x15ca8351bca9a66cull,
              0x2895d0a433c8fdf1ull, 0x26b33492cd3e39ceull, 0x37d4f522e07d1409ull,
              0xa9cf8760785f6582ull, 0x1bc0ce967d1a082aull, 0xf8dce0074ab5d922ull,
              0x9e738e8122e17ba1ull, 0x804196bc13254e1bull, 0x71100d669ccb48d4ull,
              0x360dde0d714fc39eull, 0x36f1ef7b51e9bbbaull, 0x8f2f4ed5d17d70a8ull,
              0xb0481046fa76732dull, 0xd3f549aff75ab9a4ull, 0x980e215d620acb08ull,
              0x2dcddb394b6e8e38ull, 0x8f5d20375e65499cull, 0xa298c01725a75668ull,
              0x80c9bca15fc531b3ull, 0xe82e30df160f337aull, 0x89e4b5eec6d0d5d2ull,
              0xd02a9476e69028c1ull, 0x5836d215a8482623ull, 0x67be54d27551ec7dull,
              0xfcd8887310cc6fcull,  0xc95efd507e214195ull, 0x62d96a2376fd09ffull,
              0x902728b98e91902eull, 0x1867176c5a7a1ac9ull, 0x5bb2a83b1c6b9526ull,
              0xc184b80ab23c877ull,  0xfcccc5701b879786ull, 0x33892dd82306647aull,
              0x162be4866d3626e7ull, 0x8d83feb451fb6da7ull, 0x740ace702f50d9cfull,
              0x5faad09b14f9c30ull,  0x6665e8a5124fcb22ull, 0xfc68df921fc7ff87ull,
              0xcae4035d6b41000dull, 0xd21eeb6ced8dccefull, 0xc9ebf19054de96c4ull,
              0xaa51826bcc21e7fdull, 0xc9f53462764bfe0ull,  0xaa51826bcc21e7fdull,
              0xa1a64960ca9c771bull, 0x65ab378600223291ull, 0x88de9fd61635f38ull,
              0x61290e430946b9d7ull, 0x7f2cc28ad041ed1dull, 0x4c973bb0f8fd5eb1ull,
              0x3e4839fffbb34b64ull, 0xa1c7b0909e6c9a7ull,  0x621230f0740a7272ull,
              0x6ca97daff81d2a88ull, 0x80f472d770d899b6ull, 0xe9c89b7353f5fee3ull,
              0xf8d705611db820eaull, 0xc6402d6e3f64cb91ull, 0x28e178d935b1a3e1ull,
              0xb84407eb3068a3d3ull, 0x2c330f795e4d4eebull, 0x2e1e4f992bfe97ecull,
              0xa662a5c067e3ef23ull, 0x8d4edab9a072dd48ull, 0xfcf7ed92699b097full,
              0x2febb1354c067ddfull, 0x6ed0b8dbf212ad1cull, 0xb9db90631426be36ull,
              0xfe6887857c15617eull, 0xb585b6df869b835eull, 0xec0da5314f7d5fd2ull,
              0x48f7b0dbd20b70eeull, 0xfd7448081c2091f1ull, 0x65d85191f1c828cdull,
              0xd89ccf2a1154a78ull,  0x273dae3900564747ull, 0xba41da79200d3faaull,
              0xc7ba0308f3c70e3aull, 0x859f9b8316b5d4adull, 0xdea24b6ca4f9f689ull,
              0xc6313f70f55e4380ull, 0x9c32b0bb951b22a7ull, 0x66cb8595edc0ba43ull,
              0xdd3aaae6b12d8750ull, 0xf9220bbaee3f34d7ull, 0x175d11e067220944ull,
              0x51278264e526fc06ull, 0x3190c712dce9998full, 0x3a78194b1a3616d9ull,
              0xca9de0310d3ca765ull, 0x778f491519dae85bull, 0x564a9ae1e2576de1ull,
              0xc7fc8300f6638960ull, 0x837bb307ac2c33deull, 0xb28903f58631a969ull,
              0x9f21fbf3eb41364aull, 0x53b3f53a214f0895ull, 0xe183534a0c737f8aull,
              0x91efb077ca8b1b84ull, 0x1f3fe37ca3bcb5e8ull, 0x3ca06d95bc719502ull,
              0xa86eb8ded36a4d1eull, 0xa93e5e2014f31ccfull, 0xc603ae86f8f42180ull,
              0x90f7384be5a326b6ull, 0xa82406162ee68708ull, 0x79f65f54946f1ca8ull,
              0x61e5ac7dbe6b124dull, 0xd0afb95a1c7f3e82ull, 0x9e3c3e410bc9d8e3ull,
              0x2f47730f0ef3c2eeull, 0x110a3a54d32c4759ull, 0x898194f80a8b1e3full,
              0xf566a80021989bd4ull, 0xbb84b9fd115ac82dull, 0x75aa8ad6a2422e0dull,
              0x8fb35b6aab26e7c3ull, 0x2c11edf14825c659ull, 0x27af68010d32d427ull,
              0x5d7266e52e78bd11ull, 0x1a14be76dc7a2f6dull, 0xf4134a1b4efb178ull,
              0x8bdaa377658033feull, 0x60484eebd145c08cull, 0x5ccd3826c1e84adbull});
}

// The sizes the program filters: a whole vehicle surface, and its strip halved.
TEST(FilterRecordedResults, AVehicleSizedSurfaceFiltersAsRecorded) {
    cAlphaSurface vehicle, strip;
    fillSurface(vehicle, {2880, 160}, Content::Random, 1000);
    fillSurface(strip, {2880, 80}, Content::Random, 1001);
    CaseHashes got;
    got.add("Blur(1, 1)", hashOf(*vehicle.Blur(1, 1)));
    got.add("Blur(2, 3)", hashOf(*vehicle.Blur(2, 3)));
    got.add("UnsharpMask", hashOf(*vehicle.UnsharpMask()));
    got.add("Resample to 1440 x 40", hashOf(*strip.Resample(40, 1440)));
    testsupport::expectRecorded(got, {0x338aa002a3f25ef5ull, 0x74ef3c2125b940acull,
                                      0xa6c8cb1f3a1f6105ull, 0xd9dab962ec2bd7e7ull});
}

} // namespace
