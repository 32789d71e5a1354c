// Damaged map images that still look finished: a JPEG whose data stop
// early but which ends with its end marker, as a cut file repaired by a
// tool or a download closed by a proxy does. libjpeg pads what is missing
// with grey and only warns; a map with a grey band is no valid map.
// (Plain cuts, huge headers, zero sizes, GIFs without frames and text named
// .png are covered with the decoders' own tests.)

#include "imagedecoder.h"
#include "mapimagerule.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace galewright;
using namespace galewright::test;

TEST(DamagedImages, JpegEndingEarlyWithItsEndMarkerIsNoImage)
{
    const std::string jpeg = readFile(testData("images") / "map-720x360.jpg");
    ASSERT_TRUE(decodeImage(jpeg));
    const std::size_t scan = jpeg.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    const std::string endMarker = "\xFF\xD9";
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"cut in half, end marker added", jpeg.substr(0, jpeg.size() / 2) + endMarker},
        {"cut just after the scan header, end marker added", jpeg.substr(0, scan + 20) + endMarker},
        {"end marker inside the scan, the rest after it", jpeg.substr(0, scan + 300) + endMarker + jpeg.substr(scan + 300)},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        EXPECT_FALSE(decodeImage(c.bytes)) << c.name;
        const std::string path = dir.file("map.jpg");
        writeFile(path, c.bytes);
        EXPECT_EQ(checkMapImage(path).verdict, MapImageVerdict::NotAnImage) << c.name;
    }
}
