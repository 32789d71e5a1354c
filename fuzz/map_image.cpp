// The image decoders (PNG, JPEG, GIF, BMP: told by the first bytes) and the
// map image rule, on arbitrary file bytes.
//
// Invariants: nothing crashes or reads past the bytes; a decoded image has
// the size its header claims, at least 1 x 1 and within the pixel limit,
// with exactly width x height pixels; a header outside the limit is never
// decoded; the map rule calls a file valid exactly when it decodes and has
// a map's proportion and size, and then hands over that image.

#include "fuzzcheck.h"
#include "imagedecoder.h"
#include "mapimagerule.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace galewright;
using galewright::fuzz::ExactBytes;

namespace {

// One scratch file per process for the rule, which reads from a path.
char scratch[] = "/tmp/galewright-fuzz-map-XXXXXX";

const char* scratchPath()
{
    static const bool made = [] {
        const int fd = ::mkstemp(scratch);
        FUZZ_CHECK(fd >= 0);
        ::close(fd);
        std::atexit([] { ::unlink(scratch); });
        return true;
    }();
    (void)made;
    return scratch;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ExactBytes bytes(std::string_view(reinterpret_cast<const char*>(data), size));
    const ImageHeader header = readImageHeader(bytes.view());
    const auto image = decodeImage(bytes.view());
    if (!isDecodableSize(header))
        FUZZ_CHECK(!image);
    if (image) {
        FUZZ_CHECK(header.format != ImageFormat::Unknown);
        FUZZ_CHECK(image->width >= 1 && image->height >= 1);
        FUZZ_CHECK(image->width == header.width && image->height == header.height);
        FUZZ_CHECK(static_cast<std::int64_t>(image->width) * image->height <= kMaxImagePixels);
        FUZZ_CHECK(image->pixels.size() == static_cast<std::size_t>(image->width) * image->height);
    }
    (void)judgeMapImageSize(header.width, header.height);

    FILE* file = std::fopen(scratchPath(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(data, 1, size, file) == size);
    std::fclose(file);
    const MapImageCheck check = checkMapImage(scratchPath());
    const bool mapSized = image && judgeMapImageSize(image->width, image->height) == MapImageVerdict::Valid;
    FUZZ_CHECK((check.verdict == MapImageVerdict::Valid) == mapSized);
    if (check.verdict == MapImageVerdict::Valid) {
        FUZZ_CHECK(check.image.width == image->width && check.image.height == image->height);
        FUZZ_CHECK(check.image.pixels == image->pixels);
        FUZZ_CHECK(check.image.width == 2 * check.image.height && check.image.width >= 360);
    } else {
        FUZZ_CHECK(!mapImageMessage(check.verdict, "map.png").empty());
    }
    return 0;
}
