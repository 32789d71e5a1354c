#pragma once

// Map images decoded without any toolkit: PNG (libpng), JPEG (libjpeg),
// GIF (giflib, first frame) and BMP (our own reader). The format is told by
// the file's first bytes, never by its name. Every failure (unknown format,
// truncated or corrupt data, a size of 0 or one too large) gives no image;
// nothing here throws or writes to the console.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace galewright {

enum class ImageFormat { Unknown, Png, Jpeg, Gif, Bmp };

// Images above this many pixels are refused from their header alone, before
// a byte is allocated for them, so that a crafted file cannot make the
// editor allocate gigabytes.
inline constexpr std::int64_t kMaxImagePixels = 100'000'000;

// The size the file's header claims, unchecked. A format that is not
// recognised, or a header too short to hold the size, gives Unknown and 0 x 0.
struct ImageHeader {
    ImageFormat format = ImageFormat::Unknown;
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// Pixels row by row from the top-left, width * height of them, each an
// unpremultiplied 0xAARRGGBB value in native byte order: the layout of
// QImage::Format_ARGB32 with a bytes-per-line of width * 4.
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

ImageHeader readImageHeader(std::string_view bytes);
// True for a size of at least 1 x 1 and at most kMaxImagePixels.
bool isDecodableSize(const ImageHeader& header);
std::optional<DecodedImage> decodeImage(std::string_view bytes);

// The same for a file, read whole. A file that cannot be read gives Unknown
// or no image.
ImageHeader readImageFileHeader(const std::string& path);
std::optional<DecodedImage> decodeImageFile(const std::string& path);

} // namespace galewright
