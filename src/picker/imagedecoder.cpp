#include "imagedecoder.h"

#include "imageformats.h"
#include "wholefile.h"

#include <new>

namespace galewright {

using namespace imageformats;

bool imageformats::allocatePixels(DecodedImage& image)
{
    try {
        image.pixels.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

ImageHeader readImageHeader(std::string_view bytes)
{
    ImageHeader header;
    if (isPng(bytes))
        header = pngHeader(bytes);
    else if (isJpeg(bytes))
        header = jpegHeader(bytes);
    else if (isGif(bytes))
        header = gifHeader(bytes);
    else if (isBmp(bytes))
        header = bmpHeader(bytes);
    if (header.format == ImageFormat::Unknown)
        return {};
    return header;
}

bool isDecodableSize(const ImageHeader& header)
{
    if (header.width < 1 || header.height < 1)
        return false;
    if (header.width > kMaxImagePixels || header.height > kMaxImagePixels)
        return false;
    return header.width * header.height <= kMaxImagePixels;
}

std::optional<DecodedImage> decodeImage(std::string_view bytes)
{
    const ImageHeader header = readImageHeader(bytes);
    if (header.format == ImageFormat::Unknown || !isDecodableSize(header))
        return std::nullopt;

    DecodedImage image;
    image.width = static_cast<int>(header.width);
    image.height = static_cast<int>(header.height);

    bool decoded = false;
    switch (header.format) {
    case ImageFormat::Png:
        decoded = decodePng(bytes, image);
        break;
    case ImageFormat::Jpeg:
        decoded = decodeJpeg(bytes, image);
        break;
    case ImageFormat::Gif:
        decoded = decodeGif(bytes, image);
        break;
    case ImageFormat::Bmp:
        decoded = decodeBmp(bytes, image);
        break;
    case ImageFormat::Unknown:
        break;
    }
    if (!decoded || image.pixels.size() != static_cast<std::size_t>(header.width * header.height))
        return std::nullopt;
    return image;
}

ImageHeader readImageFileHeader(const std::string& path)
{
    const std::optional<std::string> bytes = tryReadWholeFile(path);
    return bytes ? readImageHeader(*bytes) : ImageHeader{};
}

std::optional<DecodedImage> decodeImageFile(const std::string& path)
{
    const std::optional<std::string> bytes = tryReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return decodeImage(*bytes);
}

} // namespace galewright
