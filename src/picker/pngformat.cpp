// PNG through libpng's simplified reading interface, which keeps libpng's
// longjmp error handling inside libpng: a corrupt or truncated file comes
// back as a failed call, and warnings are kept in the image record rather
// than printed.

#include "imageformats.h"

#include <cstring>
#include <png.h>

namespace galewright::imageformats {

namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

} // namespace

bool isPng(std::string_view bytes)
{
    return bytes.size() >= sizeof kSignature && std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

ImageHeader pngHeader(std::string_view bytes)
{
    // The signature, then the IHDR chunk first of all: length 13, the type,
    // then width and height as big-endian 32-bit numbers.
    if (bytes.size() < 24 || readBig32(bytes, 8) != 13 || bytes.substr(12, 4) != "IHDR")
        return {};
    return {ImageFormat::Png, readBig32(bytes, 16), readBig32(bytes, 20)};
}

bool decodePng(std::string_view bytes, DecodedImage& image)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()))
        return false;
    if (png.width != static_cast<png_uint_32>(image.width) || png.height != static_cast<png_uint_32>(image.height)) {
        png_image_free(&png);
        return false;
    }
    if (!allocatePixels(image)) {
        png_image_free(&png);
        return false;
    }
    png.format = PNG_FORMAT_RGBA;
    auto* buffer = reinterpret_cast<unsigned char*>(image.pixels.data());
    // Frees the reading state whether it succeeds or not.
    if (!png_image_finish_read(&png, nullptr, buffer, static_cast<png_int_32>(image.width) * 4, nullptr))
        return false;

    // R, G, B, A bytes into 0xAARRGGBB values, in place.
    for (std::uint32_t& pixel : image.pixels) {
        unsigned char rgba[4];
        std::memcpy(rgba, &pixel, 4);
        pixel = argb(rgba[0], rgba[1], rgba[2], rgba[3]);
    }
    return true;
}

} // namespace galewright::imageformats
