#pragma once

// What a file must be to serve as a map: an existing image, twice as wide
// as high, at least 360 pixels wide. Taken to be an equirectangular world
// map from 0° at its left edge eastwards to 360°, 90°N to 90°S.

#include "imagedecoder.h"

#include <string>
#include <string_view>

namespace galewright {

enum class MapImageVerdict { Valid, MissingFile, NotAnImage, WrongProportion, TooSmall };

// The size tests alone, proportion before size: 300 x 100 is wrongly
// proportioned, 358 x 179 too small.
MapImageVerdict judgeMapImageSize(std::int64_t width, std::int64_t height);

struct MapImageCheck {
    MapImageVerdict verdict = MapImageVerdict::NotAnImage;
    // The decoded map when the verdict is Valid, so that it need not be
    // decoded a second time to be shown; empty otherwise.
    DecodedImage image;
};

// Tests the file at `path` (a path in the file system's own encoding) and
// decodes it whole: a file whose header is fine but whose data are cut
// short is no valid image either.
MapImageCheck checkMapImage(const std::string& path);

// The message the user sees for a failed verdict, with the path as the
// catalogue holds it (GBK text); the empty text for Valid.
std::string mapImageMessage(MapImageVerdict verdict, std::string_view path);

} // namespace galewright
