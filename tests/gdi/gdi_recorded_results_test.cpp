// AlphaBlend, Rectangle and the BitBlt fills on pseudo-random bitmaps, every target byte held to
// the hash recorded from the drawing layer's first, plainly written pixel loops: a faster loop
// may change how the pixels are painted, never one of their bytes. Widths run through every
// position in a group of vector lanes; the pixels mix the kinds the blend treats apart (opaque,
// transparent black, partly transparent, colour above alpha).
#include "platform/gdi/gdi.h"
#include "tests/support/recorded_results.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace gdi;
using testsupport::CaseHashes;
using testsupport::RandomBytes;

namespace {

// A memory context with its own bitmap, filled with pseudo-random pixels.
class RandomCanvas {
public:
    RandomCanvas(int width, int height, int bitsPerPixel, RandomBytes& random) {
        dc_ = CreateCompatibleDC(0);
        BITMAPINFO info{};
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biBitCount = static_cast<std::uint16_t>(bitsPerPixel);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        GetDibView(dc_, &view_);
        fillPixels(random);
    }
    ~RandomCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    RandomCanvas(const RandomCanvas&) = delete;
    RandomCanvas& operator=(const RandomCanvas&) = delete;

    HDC dc() const { return dc_; }
    std::uint64_t hash() const {
        return testsupport::hashBytes(view_.bits,
                                      static_cast<std::size_t>(view_.stride) * view_.height);
    }

private:
    void fillPixels(RandomBytes& random) {
        const int bytes = view_.bitsPerPixel / 8;
        for (int y = 0; y < view_.height; ++y) {
            std::uint8_t* p = view_.line(y);
            for (int x = 0; x < view_.width; ++x, p += bytes) {
                for (int c = 0; c < bytes; ++c)
                    p[c] = random.byte();
                if (bytes < 4)
                    continue;
                switch (random.below(5)) {
                case 0: // opaque
                    p[3] = 255;
                    break;
                case 1: // transparent black
                    p[0] = p[1] = p[2] = p[3] = 0;
                    break;
                case 2: // premultiplied: no colour above alpha
                    for (int c = 0; c < 3; ++c)
                        p[c] = static_cast<std::uint8_t>(p[c] * p[3] / 255);
                    break;
                default: // anything, colour above alpha included
                    break;
                }
            }
        }
    }

    HDC dc_ = 0;
    HBITMAP bitmap_ = 0;
    HGDIOBJ previous_ = 0;
    DibView view_;
};

const int kWidths[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 15, 16, 17, 23, 31, 32, 33, 80};

TEST(GdiRecordedResults, AlphaBlendPaintsEveryByteAsRecorded) {
    const std::uint8_t constants[] = {255, 254, 128, 1, 0};
    CaseHashes got;
    RandomBytes random(7);
    for (const int width : kWidths)
        for (const int targetBits : {32, 24})
            for (const std::uint8_t constant : constants)
                for (const std::uint8_t format : {AC_SRC_ALPHA, std::uint8_t{0}}) {
                    RandomCanvas source(width + 3, 4, 32, random);
                    RandomCanvas target(width + 5, 5, targetBits, random);
                    BLENDFUNCTION blend;
                    blend.SourceConstantAlpha = constant;
                    blend.AlphaFormat = format;
                    // From column 1 of the source to column 2 of the target, three lines.
                    ASSERT_TRUE(AlphaBlend(target.dc(), 2, 1, width, 3, source.dc(), 1, 1, width, 3,
                                           blend));
                    got.add("width " + std::to_string(width) + ", " + std::to_string(targetBits) +
                                "-bit target, constant " + std::to_string(constant) + ", format " +
                                std::to_string(format),
                            target.hash());
                }
    testsupport::expectRecorded(
        got, {0x18bf9b8a90e82698ull, 0x93769daf8508545full, 0xb4f7e514da73001full,
              0x5d09646d000327eull,  0x80d36ebac372257eull, 0x6ece0736d57da00aull,
              0xa31cd7ba4b211a77ull, 0x6ae965355bf2c80full, 0xf9004bc80ea10c05ull,
              0x26a9e8559f0f97b5ull, 0x30929bf63c40689full, 0x11b21b6f79635f50ull,
              0x6e476adf6e9c73e9ull, 0x4ae0bc8d9b70ce24ull, 0x7a7a011acdcb118eull,
              0x697fc1ab7f649925ull, 0xf35ca3a914627106ull, 0xfe5262bc90d6ffb0ull,
              0xffbc02f3b5bdaaebull, 0xc4c80e3e758211e3ull, 0x89ded2d5631796a7ull,
              0x6c17ce440c4009aaull, 0xfd88a163eb47a467ull, 0xaf01438c724a741cull,
              0xb88694adc053bb62ull, 0x9f50ddfbfb01eb48ull, 0x9f85030c1e87472aull,
              0xa48c4c5e4a33c0fdull, 0x33e09bd648762462ull, 0x34480319aec397feull,
              0xa951969b0a750f2ull,  0xad4dd86625880202ull, 0x1d56b5df7ba51d6aull,
              0x8765d19ae5b5188aull, 0x99e6ee0f81ea34c4ull, 0x26b856339dfd44d3ull,
              0x1a1d1b3b262db57full, 0x48378d563c0e32eeull, 0xa5d1efec1fa1e53aull,
              0x82e5ab13dcfac49dull, 0x821b50c63a7a9506ull, 0xb7175ae1af1c3ac1ull,
              0x272059abaae8cbafull, 0x762145d66630a0adull, 0xee4379bee7d1cc64ull,
              0xee196dfb05522665ull, 0x3929e2ae600da058ull, 0xdd487a90c3d7f228ull,
              0x915828d2ed409855ull, 0x29ed704501187237ull, 0xff2099b241b5c677ull,
              0xdc050dea7cc4ea21ull, 0x6db94261fbeda451ull, 0x538095e278a401eaull,
              0x4367b5f081be27aaull, 0x7504bac35902a9aaull, 0x708ebbc6073977cfull,
              0xac36c75dd5da0cbcull, 0xbef2c958486066e3ull, 0xc6be9780ec20de0dull,
              0x276f487a84d95e60ull, 0x77c268d7deaab39ull,  0xaad37edf262a7ebfull,
              0x866197f5766124full,  0x2b7a82a9da8b6a06ull, 0xf7081d12174dc3c3ull,
              0x13354ae52ced9c66ull, 0xead0bd5c7ccf557bull, 0x7a51f7e390e75befull,
              0xc5fb5f5843abb868ull, 0xc50aa5642887e83full, 0xb5696edc3fe84ef7ull,
              0x18f7ba754060099eull, 0x26923750ddaa53d1ull, 0xaae5559faff63765ull,
              0x624b57efca60a4dbull, 0x7a1ee2e82fbd8cf2ull, 0x53800d6e74527ab8ull,
              0x4beec2db6425153dull, 0x8aeff0d28c568cdaull, 0xb43666c0c008df53ull,
              0xc4461d1e59cb05d0ull, 0x1ef1de0830f0530eull, 0x3db77df674540820ull,
              0xae44da69c6d8b1b8ull, 0x3754a1169ffe6ab9ull, 0x61ba224e39790ce3ull,
              0x1abb6f398496d619ull, 0xe7dbdf30e470eee0ull, 0xc1e5fdbacb788285ull,
              0x1e041a7724c0bff8ull, 0x8ab763eca570058ull,  0x3137614f352149ceull,
              0x5cd2d3d8ba82295full, 0x1d2cce484fbba13full, 0x7c8323f3e3875a35ull,
              0x4676c6a2565a614bull, 0x474efcf05d01484dull, 0x9e1a0b1c730d3f74ull,
              0x3b54eac89dfc34e2ull, 0x81374a0ce038e948ull, 0x716ca14e55d6a4eeull,
              0x89fc2c82fc4024b7ull, 0xbc9776cd30a26839ull, 0x65cadcd890051140ull,
              0x306fb184b07bb21dull, 0x649215ae5957939bull, 0xde044c3948ca5a57ull,
              0x36e2364e510d198eull, 0xb4962421042ec76aull, 0x4c3011c8b39d7eb0ull,
              0xaef8c96ebddd0c6cull, 0x17d77d173dc6c359ull, 0x7df694c8e0344aa1ull,
              0x16b06d61e480d81eull, 0x7e53635a2783e9full,  0x7c168439a43f6c22ull,
              0xe600ab3eaa160cbaull, 0xc0edd75951a2480dull, 0xad84898aa7996036ull,
              0xf69dbb6b3c69181dull, 0xfdc35c8e5a635660ull, 0x7154dab6744c9c46ull,
              0xc40614eb279d1832ull, 0x1ce63b80db5d83c9ull, 0x10b72382f24b0e70ull,
              0x3c611f8c9c911ec7ull, 0x57f96e7bf6c65015ull, 0xf0dcc88f6c435b61ull,
              0x6b82b792dba73f05ull, 0xac4d9491531286dfull, 0x28d5a55f6f39af35ull,
              0x45c5ec4cace80c83ull, 0x7e1fa3d5344337b9ull, 0xb05f2ac5e9a32697ull,
              0x9c3a55cf99d5ae37ull, 0x6d2d41b67bbf5865ull, 0xbf87e8ebadbab6e7ull,
              0xe78b7b62de936444ull, 0x7066ae47df914132ull, 0x84a8d4f592877663ull,
              0xf14f4ba4a8bc7c65ull, 0xd001eae94e0117feull, 0x7fc5eac021523e43ull,
              0x8a25740baa4d6c3aull, 0xa81e59fcacd1aee2ull, 0x895f8b81c2b1a536ull,
              0xa79a802113c1c416ull, 0xf2c2783358e09a16ull, 0x337717356580fa0dull,
              0x91a0b311bef41734ull, 0x8ea60a16e7d864dcull, 0x22720cbf404d31eull,
              0x136c2142787864a7ull, 0xd8d4bbac058ad5efull, 0x23bf564c550161e0ull,
              0xa13f33ad068ed3e9ull, 0xc2c6ab30f332b9abull, 0x13c19d641c500764ull,
              0xce9b06f6cd904c59ull, 0x5b2a961bf2361791ull, 0x57501186357ce762ull,
              0x75023d51a5f92422ull, 0x93671b316140cb8bull, 0xe3a7637f3d23aa13ull,
              0x740063a9f176fa87ull, 0x4bb0c765b179de3eull, 0x362f98bc95db07d3ull,
              0xf31b83853388ab98ull, 0xe73e87ebb832f827ull, 0xbd71ddb390f035e4ull,
              0x2dfc647b4c462e89ull, 0xcd3d3356a92b1153ull, 0xa20bca6342c08861ull,
              0xce0bfc9c8cf5e0acull, 0x8b3ca7a56c788bf4ull, 0x7126947878889f96ull,
              0x2e748c09e6a6d03eull, 0x53640f61117d92efull, 0x88e236d737fcd372ull,
              0x6597cb31c5881246ull, 0xf574eb064c839e24ull, 0x756123f307f0e987ull,
              0xb9a353d6da07f6fdull, 0xd1fa43aabaa7b56eull, 0xa8ce24611f8b3aedull,
              0x20ccbb23217dc99aull, 0xa0249f11247183cull,  0x9e400878919c6553ull,
              0xeea5d520f8244b6eull, 0xcfcaf1700b5b2ae7ull, 0x5b5f7b3f99257b99ull,
              0xd72cf624863de3a4ull, 0x6c4245284de6d880ull, 0x894da28bdd70d0e1ull,
              0xc2ac9a2933c9f1efull, 0xae1e9cc50d1a365bull, 0x591c00ca1b22e94eull,
              0x60d27665874746deull, 0x3195c34c91466173ull, 0x1cbe8bf9e9f8f921ull,
              0x4218410c8a9d4024ull, 0x711cb7ac3b5d58ecull, 0x7670ce4f494ba366ull,
              0xcf488f6f6c9f8333ull, 0x1665226ad31b003cull, 0x9e3a498e74b4c3d7ull,
              0x86a28537db5a1d6full, 0x5db7025cc42d1189ull, 0xe5ede2e82d54465dull,
              0x390e80a49c607dbdull, 0xfb07a50030b083e4ull, 0xbcab78eaeda3f009ull,
              0x116694d3d155a733ull, 0xa68848f685f7eccdull, 0x190b32834d9c6b98ull,
              0x7f953b15adf94178ull, 0x9fa28aa96c00fb7eull, 0x89f954ada8898a63ull,
              0xdab0b95a2a4035d4ull, 0x209e31e3405d05a0ull, 0xe83e9c7fe5cfe8d4ull,
              0x3c96e0c777828b34ull, 0x2de4ed737b0cb2bdull, 0x3046833ff73b3c58ull,
              0x22802c29afad0342ull, 0xc2d6226878a9f535ull, 0x4396535d9a46e6d7ull,
              0x4cea2ef9c5f2b02full, 0x841c19be7666667cull, 0x66bbe7de0f10f72cull,
              0xd6f04b54d2d74f40ull, 0xca4073d637ae01adull, 0x4992dab89b66792cull,
              0x271e78b0a225daecull, 0x9a4489b8aedacfb8ull, 0xa3ee09f3b5cbb302ull,
              0xc1e7d2134126de6full, 0x63fe6532e3cb2273ull, 0x6a961912336f9af4ull,
              0x55085f4d7b2c7c21ull, 0x66134ced2f784d54ull, 0xe3bfdf3a7e586582ull,
              0x2fa0d0c85f212154ull, 0x9844a90eae1ed88full, 0xb83a744dd8643688ull,
              0x1fc35542d9ef0130ull, 0xf6c20b2d859db40bull, 0xefd0ca5bd5370cdaull,
              0xe02602e6cadab338ull, 0xcf8f2cd90fdf812ull,  0xfe1bc1be243a6769ull,
              0x1fa55b7f6baa04f2ull, 0xfc4b7de8a7acd1f9ull, 0x1a641d6263f8c24dull,
              0x867bef60cd5ecb55ull, 0xcb8f6f1b0167f023ull, 0x7f0992dd293f68bbull,
              0xc4b2b09ceed90f19ull, 0xb82a73e58eaecbf2ull, 0xe435daff153e0e96ull,
              0xae6ea60bf43d635dull, 0xae398df851ab47abull, 0x542866d0d1e91975ull,
              0x70238f5e8e5cc688ull, 0x9f7eed7f67dd7a7bull, 0xc68acb42287cbde3ull,
              0x228ba245fe45c1a3ull, 0x13034ddadff4258cull, 0xe59eef60ea374354ull,
              0x592ba1e3f2aa280aull, 0x2172300a827055dcull, 0xda06d256b27b38caull,
              0xbb2ec189deb8e867ull, 0x94e44c4ac5399e04ull, 0x411cd1f73f09aa1eull,
              0x35b630ac79eaa9f7ull, 0xcfd7f392aa2d4c11ull, 0x7cf52d010e983d2bull,
              0xcd4037359332cbf3ull, 0xc78173e7d730378bull, 0x9cae09ca0268a9ebull,
              0xfa4b105b9208ad8bull, 0xcf29716a3e1a6842ull, 0xd5b0607ff0c55095ull,
              0x95b904993713cf3aull, 0xef9c91bbd2308ef1ull, 0xa724dac93450af84ull,
              0x51348026c9dfe4full,  0x931c4d3c6ca153e0ull, 0x3018072d4c671508ull,
              0xf84e11848c38d47ull,  0xaa4a23412d27eaffull, 0xab729da3fa34dbefull,
              0xd95a53f138be99fdull, 0x34d7becea6baa20full, 0x7199b12fdd9cbc72ull,
              0xd91cdf5972f5e3f1ull, 0x4bc612684cf00064ull, 0x1a8f103e4769806full,
              0xbd065fbd5454a080ull, 0x6e9116d9eded2547ull, 0xf2e1eba3a6835333ull,
              0x28c50f83ce840fdfull, 0x1abbab166eee4fa1ull, 0xa2c45f49ceb8191cull,
              0xc6441ef58d50a431ull, 0x7e7ac8cd2cba5740ull, 0xc6429ca1db1b0a9aull,
              0xc908d2c18dfe40a0ull, 0x6abdc5c60dfc54e2ull, 0x53d1468cb4327db5ull,
              0x26c2e89a7fde8972ull, 0x5917fcdc05a73c05ull, 0x6312485108f0e290ull,
              0xe4e96ee83f0fbe60ull, 0x7a2c81295d8ef204ull, 0xeb56391e54a2f43cull,
              0x7311079931edba13ull, 0x53b576ccf937fcb2ull, 0x132d1d941832885ull,
              0x263c5c4536580443ull, 0xc105cbebca80c986ull, 0xa0bd51e4a85cd2cdull,
              0x900d7e1ec9a12e23ull, 0xdd31375bad6db4b9ull, 0x90058fa6b209e325ull,
              0xe4b03ed3a7547e30ull, 0xed8444f98228d27ull,  0xe3d3aad0948faf8ull,
              0x76323fbfcbc8a858ull, 0xba8bd8a30eabdbaeull, 0xbcafab60296ec76aull,
              0x9f2fe437b29269b8ull, 0xf1379ff9343adfd1ull, 0xba09669094cbf480ull,
              0x5885acb772235d55ull, 0x23bcc9cdefc7aa2ull,  0xfbff9f382b290f4ull,
              0xf19d4b726985f200ull, 0xa68b58e64a038518ull, 0x7f2c21a294d7cc9bull,
              0x9045ab57b73d283dull, 0xddd82e927c5fcaceull, 0x315e2714301e34edull,
              0x78af97e46a3e2109ull, 0xbc7b7c3563be2f7eull, 0x8cb4b6b8750da390ull,
              0x875f1169fce76cefull, 0xab4e0bca1f27dc7ull,  0xb590dfbf6891d72eull,
              0x949129d05d6e2459ull, 0x57b06f2edbd9452dull, 0xa650e608fc93c184ull,
              0x1dbe322807d19738ull, 0x1352bc5918a04084ull, 0x338e1d0869a04472ull,
              0x4900e71292781a08ull, 0x3bd661807f5747e4ull, 0x1519c50fa9564a3aull});
}

TEST(GdiRecordedResults, AlphaBlendWithinOneBitmapPaintsEveryByteAsRecorded) {
    struct Shift {
        int dx, dy;
    };
    const Shift shifts[] = {{1, 0}, {-1, 0}, {3, 0}, {-5, 0}, {0, 1}, {0, -1}, {2, 1}, {-2, -1}};
    CaseHashes got;
    RandomBytes random(8);
    for (const int width : kWidths)
        for (const Shift shift : shifts) {
            RandomCanvas canvas(width + 12, 6, 32, random);
            ASSERT_TRUE(AlphaBlend(canvas.dc(), 6 + shift.dx, 2 + shift.dy, width, 3, canvas.dc(),
                                   6, 2, width, 3, BLENDFUNCTION{}));
            got.add("width " + std::to_string(width) + " onto itself moved " +
                        std::to_string(shift.dx) + ", " + std::to_string(shift.dy),
                    canvas.hash());
        }
    testsupport::expectRecorded(
        got, {0x2a6285ac843a883ull,  0x118165ae1d4e4774ull, 0xd67e9b6901e5db87ull,
              0xa6ae1ad6aecde7aull,  0x92f4e1710742187bull, 0x3be6bbdb07b82cull,
              0x74e02648c4ad07d9ull, 0xf4170870aac666b0ull, 0xa680f7573abefd9full,
              0xcc2f1ede7959cd98ull, 0xa4727fcd3514bee7ull, 0xe0374beb247ae3e6ull,
              0xdcf491cb0b873591ull, 0xdd32854ab51e256aull, 0xd1dd1532c0d09dd8ull,
              0xf5672a6707ff9afull,  0x71b9970050439b38ull, 0x1d5681cebfe642afull,
              0xc7a2c2bd8d3e8e90ull, 0xafd48e1c244d8c5aull, 0xf43dda2880f7bfbdull,
              0x8ef4b200c26536d8ull, 0xa9cf551aa0ba6444ull, 0xd28deae7e81c2542ull,
              0x9c7cd4e6d05e1df6ull, 0x8ec40efd2b3d079ull,  0xb189258427f6719eull,
              0x1c05b2011ad3347cull, 0x1000ba205242faefull, 0xe9925c011517f4afull,
              0x9c276ba5e6e13112ull, 0x4a1f256830858fa2ull, 0xef11f1fcda5f7415ull,
              0x1f389de77668c6baull, 0x22b0a30dab66b95dull, 0xb06369a2496c7889ull,
              0x80eb2f254208b160ull, 0xc72c8dfdac48e5a7ull, 0x5a10076b73e45e08ull,
              0x3e1d0f997197c49aull, 0xe7c56b9c4fcc7013ull, 0xd16109d39ac3ea5aull,
              0xbb9cdf0e7a334c47ull, 0xc9f1ed3c866cc408ull, 0x9a84afc75ded2571ull,
              0x6e1b2969d03a2608ull, 0xf3d015e08c015e4eull, 0x3eecbc7c19961c6aull,
              0x2da2d5716006504dull, 0xf510a2a3b41b7a61ull, 0x15e07ebdfcdc93f6ull,
              0xa7654b5136ed7546ull, 0xe87cb61856d3ba59ull, 0x4ad939eea5e134b2ull,
              0x2a87375229bcac35ull, 0x2a859938532c111eull, 0x407d4856bfc5951eull,
              0xbb8eb680a5e04557ull, 0xad4dfe522e80d613ull, 0xf50ee29988adf3a7ull,
              0xdf58f0639fe30755ull, 0xc49479eb6f30fed3ull, 0xb3e4ceefc9c2513full,
              0x760618e18d189a42ull, 0xfe30dc486cc2d19eull, 0x4c455ab086d482d6ull,
              0x696f18260fd0796ull,  0xfe0ef200f49574b6ull, 0x9d900e803178bcffull,
              0x990aadf373425a6ull,  0x93c4bce693de9fedull, 0x45086e9bf8bc8119ull,
              0xf2559523340e76a5ull, 0x10798c0364222d7ull,  0xf994409c38a53987ull,
              0x725d0835d74dd769ull, 0xfbd53e364c36ab13ull, 0x233cdc2f0d6bbeacull,
              0x57ce5509e1a8340ull,  0xd96a1e8d51af2fbfull, 0x2bc94077666af9abull,
              0xa801211304904c86ull, 0x4fd6b953f56997a3ull, 0xb36bc729b1fbdf7aull,
              0x6a88aa43e77d9321ull, 0x6b992d2b4eaf9ef6ull, 0xb0f6e29a8b461253ull,
              0xe28ec4011a258ef0ull, 0xfd5c4d2c6e51d494ull, 0xc19dfbfc34fa538bull,
              0x1b6574d699404f05ull, 0x8c92a601142e6a5full, 0x623212920ede3f45ull,
              0xbf208308c193f016ull, 0x745705fd3f0bfd0eull, 0xde9a1e3d61ee2613ull,
              0x95dcfef3156e29d4ull, 0x4a8dd03afd4c074aull, 0xff85c5a71bbe838cull,
              0x6e750bd44e9b0356ull, 0x36b2f70e36765a9cull, 0xfc53c9eacb13fab0ull,
              0xaeada8d76b153cfbull, 0xc76cd0029e9ef931ull, 0x8ff302c64374ac26ull,
              0xe5100a325b93067cull, 0xc5ed0c2feb43503ull,  0x6ad2d12cd91b523cull,
              0xcc273f5f66b4d0e1ull, 0x866790061ef02467ull, 0x111f722d5a38129ull,
              0x3f5f3c53db242dfbull, 0x44fcc686d718f383ull, 0x25d0f3b6f6e6e988ull,
              0xe94d59f192ae675cull, 0x3e658ea96c45f47full, 0x43d6689f4cc17efaull,
              0x327d33bb89242820ull, 0x5ba173f2ba65682ull,  0xadc994f828838d5aull,
              0x5d478c51c3beb930ull, 0x75321060ca82b1b8ull, 0x7c936d6050e422bfull,
              0xfc57eb9ace6e08cfull, 0x94e34f1d754d5814ull, 0x32cad312276e9e2cull,
              0x15172d4cf542a103ull, 0x9957b1af636e2e55ull, 0x254cdda61cf59d79ull,
              0x6454684621666981ull, 0xe33338781744796ull,  0x167f342cb4294c65ull,
              0xbd10113e5e3128fcull, 0x3beb80efac194dc8ull, 0xda7025058eaa7dafull,
              0x1a90b8b968c860a6ull, 0x9fae8bcbb11439b1ull, 0xb4ba7fb3774d08bbull,
              0x92acb999cffe6520ull, 0xbdfbb8e6e1159cedull, 0x2019f9d934866524ull,
              0xd07c53e70906b711ull, 0x13365b08d8b46ebeull, 0x70fc82f6a94940f2ull});
}

TEST(GdiRecordedResults, RectangleAndTheBitBltFillsPaintEveryByteAsRecorded) {
    CaseHashes got;
    RandomBytes random(9);
    for (const int width : kWidths)
        for (const int bits : {32, 24}) {
            RandomCanvas canvas(width, 7, bits, random);
            // Pens of one, two and three pixels and none, brushes solid and hollow, rectangles
            // inside, across the edges and wholly outside.
            for (int i = 0; i < 12; ++i) {
                const COLORREF colour = static_cast<COLORREF>(random.next());
                const HPEN pen = CreatePen(i % 4 == 3 ? PS_NULL : PS_SOLID, 1 + i % 3, colour);
                const HBRUSH brush =
                    i % 5 == 4 ? GetStockObject(NULL_BRUSH) : CreateSolidBrush(colour >> 8);
                const HGDIOBJ oldPen = SelectObject(canvas.dc(), pen);
                const HGDIOBJ oldBrush = SelectObject(canvas.dc(), brush);
                const int left = random.below(width + 4) - 2, top = random.below(11) - 2;
                ASSERT_TRUE(Rectangle(canvas.dc(), left, top, left + random.below(width + 3),
                                      top + random.below(9)));
                SelectObject(canvas.dc(), oldPen);
                SelectObject(canvas.dc(), oldBrush);
                DeleteObject(pen);
                DeleteObject(brush);
            }
            ASSERT_TRUE(BitBlt(canvas.dc(), 1, 1, width - 1, 2, 0, 0, 0, WHITENESS));
            ASSERT_TRUE(BitBlt(canvas.dc(), 0, 4, width, 1, 0, 0, 0, BLACKNESS));
            got.add("width " + std::to_string(width) + ", " + std::to_string(bits) + "-bit",
                    canvas.hash());
        }
    testsupport::expectRecorded(
        got, {0x63b68a3418c3f43aull, 0x15de1cdd573b23d3ull, 0xfe4e902e26e0624aull,
              0x56bdb42638f3c2faull, 0xa9331ff7930b5ee9ull, 0x7e148a9d7f760fb4ull,
              0x12d92c36afda22fbull, 0x63e173f3afd377d1ull, 0xa666f8e99df9507bull,
              0x906aae271afe44abull, 0x93a70b314c34e9d5ull, 0x2416c417510bd31ull,
              0xccb10ab7eadd29e9ull, 0x42f80ae1b9859424ull, 0x11c06a54b81e0f5cull,
              0x66369f2472be5e77ull, 0x29a3177733a2c6ccull, 0x4050dc88bd34c77full,
              0xa41ae086205c4edcull, 0x62b711071e437268ull, 0x202344223c409eefull,
              0x3da40a80590067f6ull, 0x2029993bac92900ull,  0xbf0d00b609c4d2a3ull,
              0xf90d87d4007c6464ull, 0xfb21cb7d3987bcdfull, 0xf9be400e84dbee21ull,
              0x49f2e7683fe006f1ull, 0xb357593f543d13daull, 0xf9f6a8df8ea215fbull,
              0xad6b25066207530aull, 0x495279b4b48c483cull, 0x8d34295942b5835dull,
              0x87e506664c0fbd06ull, 0x6e3206fa362fd7e7ull, 0xd6976a7b82b35462ull});
}

} // namespace
