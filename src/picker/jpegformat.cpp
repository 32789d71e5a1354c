// JPEG through libjpeg. libjpeg reports fatal errors by calling error_exit,
// which must not return; ours jumps back to the decoding call. That call
// owns nothing that needs a destructor (the pixel buffer belongs to the
// caller, the row buffer to libjpeg's own pools), so the jump skips no
// clean-up.

#include "imageformats.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace galewright::imageformats {

namespace {

// Progressive files may hold any number of scans, each a pass over the
// whole image; real files have about ten. A file with thousands would keep
// the editor busy for minutes.
constexpr int kMostScans = 1000;

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void abandonJpeg(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

void noteJpegMessage(j_common_ptr info, int level)
{
    // A file that ends early, or whose scan data stop at a marker (a cut file
    // closed with an end marker), is padded with grey by libjpeg and reported
    // only as a warning; a map with a grey band is no valid map. Stray bytes
    // between markers are harmless and stay allowed.
    if (level >= 0)
        return;
    const int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC)
        abandonJpeg(info);
}

void silenceJpegMessage(j_common_ptr) {}

void watchJpegProgress(j_common_ptr info)
{
    if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMostScans)
        abandonJpeg(info);
}

bool isStartOfFrame(unsigned marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::uint32_t cmykChannel(unsigned value, unsigned black, bool inverted)
{
    // Adobe writes CMYK inverted (255 is no ink), as libjpeg hands it over.
    if (!inverted) {
        value = 255 - value;
        black = 255 - black;
    }
    return (value * black + 127) / 255;
}

} // namespace

bool isJpeg(std::string_view bytes)
{
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF;
}

ImageHeader jpegHeader(std::string_view bytes)
{
    // Walk the marker segments after SOI up to the first start-of-frame,
    // which holds the height and the width.
    std::size_t at = 2;
    while (at + 1 < bytes.size()) {
        if (static_cast<unsigned char>(bytes[at]) != 0xFF)
            return {};
        const unsigned marker = static_cast<unsigned char>(bytes[at + 1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        at += 2;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // markers without a segment
        if (marker == 0xD9 || marker == 0xDA || at + 2 > bytes.size())
            return {}; // image end or scan data before any frame header
        const std::size_t length = readBig16(bytes, at);
        if (isStartOfFrame(marker)) {
            if (length < 7 || at + 7 > bytes.size())
                return {};
            return {ImageFormat::Jpeg, readBig16(bytes, at + 5), readBig16(bytes, at + 3)};
        }
        if (length < 2)
            return {};
        at += length;
    }
    return {};
}

bool decodeJpeg(std::string_view bytes, DecodedImage& image)
{
    jpeg_decompress_struct info;
    JpegErrors errors;
    jpeg_progress_mgr progress;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = abandonJpeg;
    errors.manager.emit_message = noteJpegMessage;
    errors.manager.output_message = silenceJpegMessage;
    progress.progress_monitor = watchJpegProgress;
    const JDIMENSION width = static_cast<JDIMENSION>(image.width);
    const JDIMENSION height = static_cast<JDIMENSION>(image.height);

    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.progress = &progress;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width != width || info.image_height != height || !allocatePixels(image)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    std::uint32_t* const pixels = image.pixels.data();
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width != width || info.output_height != height) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool inverted = info.saw_Adobe_marker;
    const int channels = info.output_components;
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               width * static_cast<JDIMENSION>(channels), 1);
    while (info.output_scanline < height) {
        std::uint32_t* out = pixels + static_cast<std::size_t>(info.output_scanline) * width;
        if (jpeg_read_scanlines(&info, row, 1) != 1) {
            jpeg_destroy_decompress(&info);
            return false;
        }
        const JSAMPLE* in = row[0];
        for (JDIMENSION x = 0; x < width; ++x, in += channels) {
            if (cmyk)
                out[x] = argb(cmykChannel(in[0], in[3], inverted), cmykChannel(in[1], in[3], inverted),
                              cmykChannel(in[2], in[3], inverted));
            else
                out[x] = argb(in[0], in[1], in[2]);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace galewright::imageformats
