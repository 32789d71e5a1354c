// Windows bitmaps, read by us: the core header (OS/2 1.x) and the info
// header with its later versions; 1, 4 and 8 bits with a palette, 16 and 32
// bits plain or with bit-field masks, and 24 bits; bottom-up and top-down
// rows. Compressed (run-length, embedded JPEG or PNG) bitmaps are refused.
// Every read is checked against the file's length.

#include "imageformats.h"

#include <array>
#include <bit>

namespace galewright::imageformats {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPlain = 0;     // BI_RGB
constexpr std::uint32_t kBitFields = 3; // BI_BITFIELDS
constexpr std::uint32_t kAlphaBitFields = 6;

struct BmpLayout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    std::size_t headerSize = 0;
    unsigned bitsPerPixel = 0;
    std::uint32_t compression = kPlain;
    std::uint32_t coloursUsed = 0;
    std::uint64_t pixelOffset = 0;
};

std::optional<BmpLayout> readLayout(std::string_view bytes)
{
    if (bytes.size() < kFileHeaderSize + 4)
        return std::nullopt;
    BmpLayout layout;
    layout.pixelOffset = readLittle32(bytes, 10);
    layout.headerSize = readLittle32(bytes, kFileHeaderSize);
    const std::size_t at = kFileHeaderSize;
    if (layout.headerSize == kCoreHeaderSize) {
        if (bytes.size() < at + kCoreHeaderSize)
            return std::nullopt;
        layout.width = readLittle16(bytes, at + 4);
        layout.height = readLittle16(bytes, at + 6);
        layout.bitsPerPixel = readLittle16(bytes, at + 10);
        return layout;
    }
    if (layout.headerSize < kInfoHeaderSize || bytes.size() < at + kInfoHeaderSize)
        return std::nullopt;
    layout.width = static_cast<std::int32_t>(readLittle32(bytes, at + 4));
    const std::int64_t height = static_cast<std::int32_t>(readLittle32(bytes, at + 8));
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;
    layout.bitsPerPixel = readLittle16(bytes, at + 14);
    layout.compression = readLittle32(bytes, at + 16);
    layout.coloursUsed = readLittle32(bytes, at + 32);
    return layout;
}

// One colour channel described by a bit mask, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t top = 0; // the largest value under the mask

    explicit Channel(std::uint32_t m = 0) : mask(m)
    {
        if (mask == 0)
            return;
        shift = std::countr_zero(mask);
        top = mask >> shift;
    }
    std::uint32_t value(std::uint32_t pixel, std::uint32_t absent) const
    {
        if (mask == 0)
            return absent;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>((pixel & mask) >> shift) * 255 + top / 2) / top);
    }
};

struct Masks {
    Channel red, green, blue, alpha;
};

std::optional<Masks> readMasks(std::string_view bytes, const BmpLayout& layout)
{
    if (layout.compression == kPlain) {
        if (layout.bitsPerPixel == 16)
            return Masks{Channel(0x7C00), Channel(0x03E0), Channel(0x001F), Channel()};
        return Masks{Channel(0xFF0000), Channel(0x00FF00), Channel(0x0000FF), Channel()};
    }
    // The masks follow the info header, or lie inside the later headers at
    // the same place.
    const std::size_t at = kFileHeaderSize + kInfoHeaderSize;
    const bool withAlpha = layout.compression == kAlphaBitFields || layout.headerSize >= 56;
    if (bytes.size() < at + (withAlpha ? 16 : 12))
        return std::nullopt;
    Masks masks{Channel(readLittle32(bytes, at)), Channel(readLittle32(bytes, at + 4)),
                Channel(readLittle32(bytes, at + 8)), Channel(withAlpha ? readLittle32(bytes, at + 12) : 0)};
    return masks;
}

void readPalette(std::string_view bytes, const BmpLayout& layout, std::array<std::uint32_t, 256>& palette)
{
    const bool core = layout.headerSize == kCoreHeaderSize;
    const std::size_t entrySize = core ? 3 : 4;
    const std::uint32_t most = 1U << layout.bitsPerPixel;
    const std::uint32_t count = (core || layout.coloursUsed == 0 || layout.coloursUsed > most) ? most : layout.coloursUsed;
    const std::size_t at = kFileHeaderSize + layout.headerSize;
    // Indices past the palette, or past a palette cut short by the end of
    // the file, show black.
    palette.fill(argb(0, 0, 0));
    for (std::uint32_t i = 0; i < count && at + (i + 1) * entrySize <= bytes.size(); ++i) {
        const std::size_t entry = at + i * entrySize;
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[entry + k]); };
        palette[i] = argb(byte(2), byte(1), byte(0));
    }
}

} // namespace

bool isBmp(std::string_view bytes)
{
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

ImageHeader bmpHeader(std::string_view bytes)
{
    const std::optional<BmpLayout> layout = readLayout(bytes);
    if (!layout)
        return {};
    return {ImageFormat::Bmp, layout->width < 0 ? 0 : layout->width, layout->height};
}

bool decodeBmp(std::string_view bytes, DecodedImage& image)
{
    const std::optional<BmpLayout> found = readLayout(bytes);
    if (!found || found->width != image.width || found->height != image.height)
        return false;
    const BmpLayout& layout = *found;
    const unsigned bits = layout.bitsPerPixel;
    const bool paletted = bits == 1 || bits == 4 || bits == 8;
    const bool masked = bits == 16 || bits == 32;
    if (!paletted && !masked && bits != 24)
        return false;
    if (layout.compression != kPlain &&
        !(masked && (layout.compression == kBitFields || layout.compression == kAlphaBitFields)))
        return false;

    std::array<std::uint32_t, 256> palette{};
    if (paletted)
        readPalette(bytes, layout, palette);
    std::optional<Masks> masks;
    if (masked && !(masks = readMasks(bytes, layout)))
        return false;

    const std::uint64_t width = static_cast<std::uint64_t>(image.width);
    const std::uint64_t rowBytes = (width * bits + 7) / 8;
    const std::uint64_t stride = (width * bits + 31) / 32 * 4;
    // The last row may lack its padding.
    const std::uint64_t needed = layout.pixelOffset + stride * static_cast<std::uint64_t>(image.height - 1) + rowBytes;
    if (layout.pixelOffset > bytes.size() || needed > bytes.size() || !allocatePixels(image))
        return false;

    for (int row = 0; row < image.height; ++row) {
        const int y = layout.topDown ? row : image.height - 1 - row;
        const auto* in = reinterpret_cast<const unsigned char*>(bytes.data() + layout.pixelOffset + stride * row);
        std::uint32_t* out = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
        for (std::uint64_t x = 0; x < width; ++x) {
            if (paletted) {
                const std::uint64_t bit = x * bits;
                const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);
                out[x] = palette[(in[bit / 8] >> shift) & ((1U << bits) - 1)];
            } else if (bits == 24) {
                const unsigned char* p = in + x * 3;
                out[x] = argb(p[2], p[1], p[0]);
            } else {
                const unsigned char* p = in + x * (bits / 8);
                const std::uint32_t value = bits == 16 ? (p[0] | (p[1] << 8))
                                                       : (p[0] | (p[1] << 8) | (p[2] << 16) |
                                                          (static_cast<std::uint32_t>(p[3]) << 24));
                out[x] = argb(masks->red.value(value, 0), masks->green.value(value, 0), masks->blue.value(value, 0),
                              masks->alpha.value(value, 255));
            }
        }
    }
    return true;
}

} // namespace galewright::imageformats
