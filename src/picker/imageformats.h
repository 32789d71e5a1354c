#pragma once

// One reader per image format, used through imagedecoder.h only. Each
// decoder is given an image holding the size of a header that passed the
// size limit, and no pixels. It calls allocatePixels as late as it can, once
// its own checks of the file have passed, so that a corrupt file does not
// cost a large allocation, and fills them. It returns false for anything it
// cannot decode, including a size that differs from the header's.

#include "imagedecoder.h"

#include <string_view>

namespace galewright::imageformats {

// width * height pixels, transparent black; false when memory runs out.
bool allocatePixels(DecodedImage& image);

bool isPng(std::string_view bytes);
bool isJpeg(std::string_view bytes);
bool isGif(std::string_view bytes);
bool isBmp(std::string_view bytes);

ImageHeader pngHeader(std::string_view bytes);
ImageHeader jpegHeader(std::string_view bytes);
ImageHeader gifHeader(std::string_view bytes);
ImageHeader bmpHeader(std::string_view bytes);

bool decodePng(std::string_view bytes, DecodedImage& image);
bool decodeJpeg(std::string_view bytes, DecodedImage& image);
bool decodeGif(std::string_view bytes, DecodedImage& image);
bool decodeBmp(std::string_view bytes, DecodedImage& image);

// Little- and big-endian unsigned reads; the caller has checked the length.
inline std::uint32_t readBig32(std::string_view bytes, std::size_t at)
{
    const auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return (b(0) << 24) | (b(1) << 16) | (b(2) << 8) | b(3);
}
inline std::uint32_t readBig16(std::string_view bytes, std::size_t at)
{
    const auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return (b(0) << 8) | b(1);
}
inline std::uint32_t readLittle32(std::string_view bytes, std::size_t at)
{
    const auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return (b(3) << 24) | (b(2) << 16) | (b(1) << 8) | b(0);
}
inline std::uint32_t readLittle16(std::string_view bytes, std::size_t at)
{
    const auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return (b(1) << 8) | b(0);
}

inline std::uint32_t argb(std::uint32_t red, std::uint32_t green, std::uint32_t blue, std::uint32_t alpha = 255)
{
    return (alpha << 24) | (red << 16) | (green << 8) | blue;
}

} // namespace galewright::imageformats
