// GIF through giflib, record by record: only the first frame is read and
// drawn onto the logical screen; the rest of the file is never touched.
// giflib reports every failure through its return codes.

#include "imageformats.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <gif_lib.h>

namespace galewright::imageformats {

namespace {

struct GifSource {
    std::string_view bytes;
    std::size_t at = 0;
};

int readGifBytes(GifFileType* gif, GifByteType* buffer, int wanted)
{
    auto* source = static_cast<GifSource*>(gif->UserData);
    const std::size_t count = std::min(static_cast<std::size_t>(std::max(wanted, 0)), source->bytes.size() - source->at);
    std::memcpy(buffer, source->bytes.data() + source->at, count);
    source->at += count;
    return static_cast<int>(count);
}

class GifFile {
public:
    explicit GifFile(GifSource& source)
    {
        int error = 0;
        gif_ = DGifOpen(&source, readGifBytes, &error);
    }
    ~GifFile()
    {
        int error = 0;
        if (gif_)
            DGifCloseFile(gif_, &error);
    }
    GifFile(const GifFile&) = delete;
    GifFile& operator=(const GifFile&) = delete;
    GifFileType* get() const { return gif_; }

private:
    GifFileType* gif_ = nullptr;
};

// Skips an extension, noting the transparent colour index of a graphic
// control extension (-1 for none).
bool readExtension(GifFileType* gif, int& transparentIndex)
{
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
        return false;
    if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4)
        transparentIndex = (block[1] & 0x01) ? block[4] : -1;
    while (block) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            return false;
    }
    return true;
}

bool readFirstFrame(GifFileType* gif, int transparentIndex, DecodedImage& image)
{
    if (DGifGetImageDesc(gif) == GIF_ERROR)
        return false;
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* colours = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!colours || frame.Width <= 0 || frame.Height <= 0 ||
        static_cast<std::int64_t>(frame.Width) * frame.Height > kMaxImagePixels || !allocatePixels(image))
        return false;

    // Interlaced frames come in four passes over the rows.
    static constexpr int kPassStart[] = {0, 4, 2, 1};
    static constexpr int kPassStep[] = {8, 8, 4, 2};
    const int passes = frame.Interlace ? 4 : 1;
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
    for (int pass = 0; pass < passes; ++pass) {
        const int start = frame.Interlace ? kPassStart[pass] : 0;
        const int step = frame.Interlace ? kPassStep[pass] : 1;
        for (int row = start; row < frame.Height; row += step) {
            if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
                return false;
            const int y = frame.Top + row;
            if (y < 0 || y >= image.height)
                continue;
            std::uint32_t* out = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
            for (int column = 0; column < frame.Width; ++column) {
                const int x = frame.Left + column;
                if (x < 0 || x >= image.width)
                    continue;
                const int index = line[static_cast<std::size_t>(column)];
                if (index == transparentIndex)
                    out[x] = 0;
                else if (index < colours->ColorCount)
                    out[x] = argb(colours->Colors[index].Red, colours->Colors[index].Green,
                                  colours->Colors[index].Blue);
                else
                    out[x] = argb(0, 0, 0);
            }
        }
    }
    return true;
}

} // namespace

bool isGif(std::string_view bytes)
{
    return bytes.size() >= 6 && (bytes.substr(0, 6) == "GIF87a" || bytes.substr(0, 6) == "GIF89a");
}

ImageHeader gifHeader(std::string_view bytes)
{
    // The logical screen's width and height follow the signature.
    if (bytes.size() < 10)
        return {};
    return {ImageFormat::Gif, readLittle16(bytes, 6), readLittle16(bytes, 8)};
}

bool decodeGif(std::string_view bytes, DecodedImage& image)
{
    GifSource source{bytes};
    GifFile file(source);
    GifFileType* gif = file.get();
    if (!gif || gif->SWidth != image.width || gif->SHeight != image.height)
        return false;

    // Pixels outside the first frame stay transparent.
    int transparentIndex = -1;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return false;
        switch (type) {
        case EXTENSION_RECORD_TYPE:
            if (!readExtension(gif, transparentIndex))
                return false;
            break;
        case IMAGE_DESC_RECORD_TYPE:
            return readFirstFrame(gif, transparentIndex, image);
        default: // the end of the file before any frame
            return false;
        }
    }
}

} // namespace galewright::imageformats
