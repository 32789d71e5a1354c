#include "mapimagerule.h"

#include <cmath>
#include <filesystem>
#include <system_error>

namespace galewright {

namespace {

constexpr int kLeastWidth = 360;

} // namespace

MapImageVerdict judgeMapImageSize(std::int64_t width, std::int64_t height)
{
    if (width <= 0 || height <= 0)
        return MapImageVerdict::NotAnImage;
    if (std::fabs(static_cast<double>(width) / 2.0 - static_cast<double>(height)) > 0.0000001)
        return MapImageVerdict::WrongProportion;
    if (width < kLeastWidth)
        return MapImageVerdict::TooSmall;
    return MapImageVerdict::Valid;
}

MapImageCheck checkMapImage(const std::string& path)
{
    MapImageCheck check;
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) {
        check.verdict = MapImageVerdict::MissingFile;
        return check;
    }
    std::optional<DecodedImage> image = decodeImageFile(path);
    if (!image) {
        check.verdict = MapImageVerdict::NotAnImage;
        return check;
    }
    check.verdict = judgeMapImageSize(image->width, image->height);
    if (check.verdict == MapImageVerdict::Valid)
        check.image = std::move(*image);
    return check;
}

std::string mapImageMessage(MapImageVerdict verdict, std::string_view path)
{
    const std::string head = "\xCE\xC4\xBC\xFE\xA1\xB0" + std::string(path); // 文件“
    switch (verdict) {
    case MapImageVerdict::Valid:
        return {};
    case MapImageVerdict::MissingFile:
        return head + "\xA1\xB1\xB2\xBB\xB4\xE6\xD4\xDA\xA3\xA1"; // ”不存在！
    case MapImageVerdict::NotAnImage:
        // ”不是有效的图片文件，或格式不被支持。
        return head + "\xA1\xB1\xB2\xBB\xCA\xC7\xD3\xD0\xD0\xA7\xB5\xC4\xCD\xBC\xC6\xAC\xCE\xC4\xBC\xFE\xA3\xAC"
                      "\xBB\xF2\xB8\xF1\xCA\xBD\xB2\xBB\xB1\xBB\xD6\xA7\xB3\xD6\xA1\xA3";
    case MapImageVerdict::WrongProportion:
        return head + "\xA1\xB1\xB1\xC8\xC0\xFD\xB2\xBB\xD5\xFD\xC8\xB7\xA1\xA3"; // ”比例不正确。
    case MapImageVerdict::TooSmall:
        // ”尺寸过小。宽度必须≥360px，高度≥180px。
        return head + "\xA1\xB1\xB3\xDF\xB4\xE7\xB9\xFD\xD0\xA1\xA1\xA3\xBF\xED\xB6\xC8\xB1\xD8\xD0\xEB\xA1\xDD"
                      "360px\xA3\xAC\xB8\xDF\xB6\xC8\xA1\xDD"
                      "180px\xA1\xA3";
    }
    return {};
}

} // namespace galewright
