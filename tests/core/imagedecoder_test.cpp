#include "imagedecoder.h"
#include "testsupport.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace galewright;
using galewright::test::readFile;
using galewright::test::testData;

namespace {

std::string image(const char* name)
{
    return testData("images").string() + "/" + name;
}

std::string imageBytes(const char* name)
{
    return readFile(image(name));
}

bool near(std::uint32_t actual, std::uint32_t expected, int tolerance)
{
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>((actual >> shift) & 0xFF);
        const int e = static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(a - e) > tolerance)
            return false;
    }
    return true;
}

} // namespace

TEST(ImageDecoder, TellsTheFormatByContentNotByName)
{
    struct Case {
        const char* name;
        ImageFormat format;
        std::int64_t width;
        std::int64_t height;
    };
    const Case cases[] = {
        {"pattern.png", ImageFormat::Png, 3, 2},
        {"map-720x360.jpg", ImageFormat::Jpeg, 720, 360},
        {"map-cmyk.jpg", ImageFormat::Jpeg, 720, 360},
        {"map-360x180.gif", ImageFormat::Gif, 360, 180},
        {"pattern-24.bmp", ImageFormat::Bmp, 3, 2},
        {"pattern-24-topdown.bmp", ImageFormat::Bmp, 3, 2},
        {"pattern-24-core.bmp", ImageFormat::Bmp, 3, 2},
        {"jpeg-named.png", ImageFormat::Jpeg, 360, 180},
        {"text-named.png", ImageFormat::Unknown, 0, 0},
        // Headers are read as they claim; the size limit comes after.
        {"huge-header.png", ImageFormat::Png, 100000, 50000},
        {"zero-size.png", ImageFormat::Png, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ImageHeader header = readImageFileHeader(image(c.name));
        EXPECT_EQ(header.format, c.format);
        EXPECT_EQ(header.width, c.width);
        EXPECT_EQ(header.height, c.height);
    }
    EXPECT_EQ(readImageFileHeader(image("no-such-file.png")).format, ImageFormat::Unknown);
    EXPECT_EQ(readImageHeader("").format, ImageFormat::Unknown);
}

TEST(ImageDecoder, SizeLimitComesFromTheHeader)
{
    EXPECT_FALSE(isDecodableSize({ImageFormat::Png, 100000, 50000}));
    EXPECT_FALSE(isDecodableSize({ImageFormat::Png, 0, 0}));
    EXPECT_FALSE(isDecodableSize({ImageFormat::Bmp, 5, 0}));
    EXPECT_FALSE(isDecodableSize({ImageFormat::Bmp, 10001, 10000}));
    EXPECT_TRUE(isDecodableSize({ImageFormat::Bmp, 10000, 10000}));
    EXPECT_TRUE(isDecodableSize({ImageFormat::Gif, 1, 1}));
}

TEST(ImageDecoder, DecodesEveryFormatPixelForPixel)
{
    // The 3 x 2 pattern: red, green, blue over white, a hole, dark grey-blue.
    // Formats without transparency hold black in the hole.
    struct Case {
        const char* name;
        bool keepsTransparency;
        int tolerance;
    };
    const Case cases[] = {
        {"pattern.png", true, 0},
        {"pattern-interlaced.png", true, 0},
        {"pattern.gif", true, 0},
        {"pattern-interlaced.gif", true, 0},
        {"pattern-imagemagick-v5.bmp", true, 0},
        {"pattern-imagemagick-24.bmp", false, 0},
        {"pattern-24.bmp", false, 0},
        {"pattern-24-topdown.bmp", false, 0},
        {"pattern-24-core.bmp", false, 0},
        {"pattern-8.bmp", false, 0},
        {"pattern-8-topdown.bmp", false, 0},
        {"pattern-4.bmp", false, 0},
        {"pattern-32.bmp", false, 0},
        {"pattern-16.bmp", false, 8}, // five bits a channel
    };
    const std::uint32_t expected[2][3] = {{0xFFFF0000, 0xFF00FF00, 0xFF0000FF}, {0xFFFFFFFF, 0xFF000000, 0xFF0A141E}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<DecodedImage> decoded = decodeImageFile(image(c.name));
        ASSERT_TRUE(decoded);
        ASSERT_EQ(decoded->width, 3);
        ASSERT_EQ(decoded->height, 2);
        ASSERT_EQ(decoded->pixels.size(), 6U);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) {
                SCOPED_TRACE(::testing::Message() << "pixel " << x << "," << y);
                if (x == 1 && y == 1 && c.keepsTransparency)
                    EXPECT_EQ(decoded->pixel(x, y) >> 24, 0U);
                else
                    EXPECT_PRED3(near, decoded->pixel(x, y), expected[y][x], c.tolerance);
            }
        }
    }
}

TEST(ImageDecoder, DecodesJpegColoursClosely)
{
    // #28609a, written lossily, in RGB and in inverted (Adobe) CMYK.
    for (const char* name : {"map-720x360.jpg", "map-cmyk.jpg"}) {
        SCOPED_TRACE(name);
        const std::optional<DecodedImage> decoded = decodeImageFile(image(name));
        ASSERT_TRUE(decoded);
        ASSERT_EQ(decoded->width, 720);
        ASSERT_EQ(decoded->height, 360);
        for (const auto& [x, y] : {std::pair{0, 0}, {719, 0}, {360, 180}, {0, 359}, {719, 359}})
            EXPECT_PRED3(near, decoded->pixel(x, y), 0xFF28609Au, 6);
    }
}

TEST(ImageDecoder, BrokenFilesAreNoImages)
{
    for (const char* name : {"text-named.png", "truncated.png", "truncated.jpg", "truncated.bmp", "huge-header.png",
                             "zero-size.png", "zero-width.bmp", "no-frames.gif", "no-such-file.png"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(decodeImageFile(image(name)));
    }
    EXPECT_FALSE(decodeImageFile(testData("images").string()));
    EXPECT_FALSE(decodeImage(""));
}

TEST(ImageDecoder, SurvivesEveryCutAndEveryFlippedBit)
{
    // No crash, no hang, and nothing cut inside the pixel data decodes.
    // `intact` is how many bytes at the end may go unnoticed: PNG's end
    // chunk, GIF's trailer and BMP's last row padding are not needed for
    // the pixels. Run under the sanitizers, this also shows that no
    // decoder reads or writes out of bounds.
    struct Case {
        const char* name;
        std::size_t intact;
    };
    for (const Case& c : {Case{"pattern.png", 12}, Case{"pattern-interlaced.png", 12}, Case{"pattern.jpg", 0},
                          Case{"pattern.gif", 2}, Case{"pattern-interlaced.gif", 2}, Case{"pattern-24.bmp", 3},
                          Case{"pattern-8.bmp", 1}, Case{"pattern-imagemagick-v5.bmp", 0}}) {
        SCOPED_TRACE(c.name);
        const std::string bytes = imageBytes(c.name);
        ASSERT_TRUE(decodeImage(bytes));
        for (std::size_t length = 0; length + c.intact < bytes.size(); ++length)
            EXPECT_FALSE(decodeImage(std::string_view(bytes).substr(0, length))) << "cut at " << length;
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            for (int bit = 0; bit < 8; ++bit) {
                std::string flipped = bytes;
                flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
                const std::optional<DecodedImage> decoded = decodeImage(flipped);
                if (decoded) {
                    EXPECT_EQ(decoded->pixels.size(), static_cast<std::size_t>(decoded->width) * decoded->height);
                }
            }
        }
    }
}
