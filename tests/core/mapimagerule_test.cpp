#include "mapgeometry.h"
#include "mapimagerule.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace galewright;
using galewright::test::gbk;
using galewright::test::dataDir;
using galewright::test::ScratchDir;
using galewright::test::testData;
using galewright::test::writeFile;

namespace {

std::string image(const std::string& name)
{
    return testData("images").string() + "/" + name;
}

// An uncompressed 24-bit bitmap of one colour, bottom-up: too large to keep
// in the repository at map sizes.
std::string flatBitmap(int width, int height)
{
    const auto little = [](std::string& out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(height);
    std::string out = "BM";
    little(out, 54 + pixelBytes, 4);
    little(out, 0, 4);
    little(out, 54, 4);
    little(out, 40, 4);
    little(out, static_cast<std::uint32_t>(width), 4);
    little(out, static_cast<std::uint32_t>(height), 4);
    little(out, 1, 2);
    little(out, 24, 2);
    little(out, 0, 4);
    little(out, pixelBytes, 4);
    little(out, 2835, 4);
    little(out, 2835, 4);
    little(out, 0, 4);
    little(out, 0, 4);
    std::string row;
    for (int x = 0; x < width; ++x)
        row += "\x9A\x60\x28";
    row.resize(stride, '\0');
    for (int y = 0; y < height; ++y)
        out += row;
    return out;
}

} // namespace

TEST(MapImageRule, JudgesFilesInTheRightOrder)
{
    const ScratchDir scratch;
    writeFile(scratch.file("map-720x360.bmp"), flatBitmap(720, 360));
    writeFile(scratch.file("map-360x180.bmp"), flatBitmap(360, 180));
    writeFile(scratch.file("map-362x180.bmp"), flatBitmap(362, 180));

    struct Case {
        std::string path;
        MapImageVerdict verdict;
    };
    const Case cases[] = {
        {image("map-720x360.png"), MapImageVerdict::Valid},
        {image("map-360x180.png"), MapImageVerdict::Valid},
        {image("map-720x360.jpg"), MapImageVerdict::Valid},
        {image("map-360x180.jpg"), MapImageVerdict::Valid},
        {image("map-cmyk.jpg"), MapImageVerdict::Valid},
        {image("map-720x360.gif"), MapImageVerdict::Valid},
        {image("map-360x180.gif"), MapImageVerdict::Valid},
        {scratch.file("map-720x360.bmp"), MapImageVerdict::Valid},
        {scratch.file("map-360x180.bmp"), MapImageVerdict::Valid},
        {image("jpeg-named.png"), MapImageVerdict::Valid},
        // Proportion before size.
        {image("map-721x360.png"), MapImageVerdict::WrongProportion},
        {image("map-360x181.png"), MapImageVerdict::WrongProportion},
        {image("map-300x100.png"), MapImageVerdict::WrongProportion},
        {scratch.file("map-362x180.bmp"), MapImageVerdict::WrongProportion},
        {image("map-358x179.png"), MapImageVerdict::TooSmall},
        {image("text-named.png"), MapImageVerdict::NotAnImage},
        {image("truncated.png"), MapImageVerdict::NotAnImage},
        {image("truncated.jpg"), MapImageVerdict::NotAnImage},
        {image("huge-header.png"), MapImageVerdict::NotAnImage},
        {image("zero-size.png"), MapImageVerdict::NotAnImage},
        {image("no-frames.gif"), MapImageVerdict::NotAnImage},
        {testData("images").string(), MapImageVerdict::NotAnImage}, // a directory exists but is no image
        {image("no-such-map.png"), MapImageVerdict::MissingFile},
        {"", MapImageVerdict::MissingFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const MapImageCheck check = checkMapImage(c.path);
        EXPECT_EQ(check.verdict, c.verdict);
        if (c.verdict == MapImageVerdict::Valid) {
            EXPECT_EQ(check.image.width, 2 * check.image.height);
            EXPECT_EQ(check.image.pixels.size(), static_cast<std::size_t>(check.image.width) * check.image.height);
        } else {
            EXPECT_TRUE(check.image.pixels.empty());
        }
    }
}

TEST(MapImageRule, ProportionIsTestedInFloatingPoint)
{
    EXPECT_EQ(judgeMapImageSize(720, 360), MapImageVerdict::Valid);
    EXPECT_EQ(judgeMapImageSize(360, 180), MapImageVerdict::Valid);
    EXPECT_EQ(judgeMapImageSize(14142, 7071), MapImageVerdict::Valid);
    EXPECT_EQ(judgeMapImageSize(719, 360), MapImageVerdict::WrongProportion);
    EXPECT_EQ(judgeMapImageSize(359, 179), MapImageVerdict::WrongProportion);
    EXPECT_EQ(judgeMapImageSize(2, 1), MapImageVerdict::TooSmall);
    EXPECT_EQ(judgeMapImageSize(0, 0), MapImageVerdict::NotAnImage);
}

TEST(MapImageRule, MessagesNameThePathAsTheCatalogueHoldsIt)
{
    const std::string path = gbk("D:\\地图\\世界.png");
    EXPECT_EQ(mapImageMessage(MapImageVerdict::MissingFile, path), gbk("文件“D:\\地图\\世界.png”不存在！"));
    EXPECT_EQ(mapImageMessage(MapImageVerdict::NotAnImage, path),
              gbk("文件“D:\\地图\\世界.png”不是有效的图片文件，或格式不被支持。"));
    EXPECT_EQ(mapImageMessage(MapImageVerdict::WrongProportion, path), gbk("文件“D:\\地图\\世界.png”比例不正确。"));
    EXPECT_EQ(mapImageMessage(MapImageVerdict::TooSmall, path),
              gbk("文件“D:\\地图\\世界.png”尺寸过小。宽度必须≥360px，高度≥180px。"));
    EXPECT_EQ(mapImageMessage(MapImageVerdict::Valid, path), "");
}

TEST(MapImageRule, DefaultMapPassesAndFollowsTheProjection)
{
    const MapImageCheck check = checkMapImage((dataDir() / "Default.png").string());
    ASSERT_EQ(check.verdict, MapImageVerdict::Valid);
    ASSERT_EQ(check.image.width, 1440);
    ASSERT_EQ(check.image.height, 720);

    // Land and sea where they belong: a map flipped or shifted by half a
    // turn would put deck positions on the wrong side of the world.
    constexpr std::uint32_t land = 0xFFEDE6D3;
    constexpr std::uint32_t sea = 0xFFD5E1E8;
    struct Place {
        const char* latitude;
        const char* longitude;
        std::uint32_t colour;
    };
    MapGeometry geometry;
    geometry.setMapSize(check.image.width, check.image.height);
    for (const Place& place : {Place{"250S", "1340E", land},   // central Australia
                               Place{"50N", "1550W", sea},     // the middle of the Pacific
                               Place{"230N", "150E", land},    // the Sahara
                               Place{"330S", "150W", sea},     // the South Atlantic
                               Place{"380N", "980W", land}}) {  // the Great Plains
        SCOPED_TRACE(std::string(place.latitude) + " " + place.longitude);
        const int x = geometry.lonTextToX(place.longitude);
        const int y = geometry.latTextToY(place.latitude);
        EXPECT_EQ(check.image.pixel(x, y), place.colour);
    }
    // The graticule falls on whole pixel columns and rows, where the picker
    // reads whole tens of degrees.
    EXPECT_NE(check.image.pixel(geometry.lonTextToX("1400E"), 100), sea);
    EXPECT_EQ(geometry.xToLongitude(geometry.lonTextToX("1400E")).entryText(), "1400E");
    EXPECT_NE(check.image.pixel(800, geometry.latTextToY("0N")), sea);
    EXPECT_EQ(check.image.pixel(801, geometry.latTextToY("0N") + 1), sea);
}
