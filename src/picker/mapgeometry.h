#pragma once

// The shown map's size and the conversions between its pixels and the deck's
// coordinate notation (tenths of a degree with a hemisphere letter).
//
// The map is an equirectangular world map: column 0 is 0°, longitude grows
// eastwards to 360° at x = W, so the right half is the western hemisphere;
// row 0 is 90°N, the equator is at H / 2 and y = H would be 90°S.

#include <cstdint>
#include <string>
#include <string_view>

namespace galewright {

// A position on the map as the deck writes it: tenths of a degree, never
// negative, with its hemisphere letter ('E'/'W' or 'N'/'S').
struct MapCoordinate {
    std::int64_t tenths = 0;
    char letter = 'E';

    // "1203E", "235N": what goes into the deck.
    std::string entryText() const;
    // "120.3E", "23.5N": what the picker's status bar shows.
    std::string readoutText() const;

    friend bool operator==(const MapCoordinate&, const MapCoordinate&) = default;
};

class MapGeometry {
public:
    // The size the picker assumes until a map is shown.
    static constexpr int kDefaultWidth = 360;
    static constexpr int kDefaultHeight = 180;

    MapGeometry() { setMapSize(kDefaultWidth, kDefaultHeight); }

    // A size of 0 or less is refused (false, nothing changes): the scale
    // factors would be 0 and every conversion would divide by them.
    bool setMapSize(int width, int height);
    void reset() { setMapSize(kDefaultWidth, kDefaultHeight); }

    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels per degree, held in single precision: positions already picked
    // into decks came from these factors, and reading them back must land
    // on the same pixels (180°E of a 1000-wide map is column 499, not 500).
    // Every other step is done in double.
    float scaleX() const { return scaleX_; }
    float scaleY() const { return scaleY_; }

    // Lenient reading of a deck text: the number is textToInt of the whole
    // text, the hemisphere the last byte alone (any case); no letter or any
    // other letter means east or north. The result is truncated toward zero
    // and saturates at the int range for absurd texts; the caller clips it
    // to the map.
    int lonTextToX(std::string_view text) const;
    int latTextToY(std::string_view text) const;

    // The position of a pixel. The middle column is east, the equator row
    // is north.
    MapCoordinate xToLongitude(int x) const;
    MapCoordinate yToLatitude(int y) const;

private:
    int width_ = kDefaultWidth;
    int height_ = kDefaultHeight;
    float scaleX_ = 1.0F;
    float scaleY_ = 1.0F;
};

} // namespace galewright
