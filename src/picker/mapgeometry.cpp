#include "mapgeometry.h"

#include "textrules.h"

#include <cmath>
#include <limits>

namespace galewright {

namespace {

// Leaves room for the representation error of the single-precision factors
// when a pixel sits exactly on a meridian or the equator.
constexpr double kMiddleTolerance = 0.0000001;

int truncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (value <= lowest)
        return std::numeric_limits<int>::min();
    if (value >= highest)
        return std::numeric_limits<int>::max();
    return static_cast<int>(value); // truncates toward zero
}

// Degrees to tenths, half away from zero, the same way roundTo (v, 1) does.
std::int64_t toTenths(double degrees)
{
    const double a = 10.0 * std::fabs(degrees) + 1e-12;
    double whole = 0;
    const double fraction = std::modf(a, &whole);
    if (fraction >= 0.5)
        whole += 1;
    if (!(whole < 9.0e18))
        return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(whole);
}

bool lastLetterIs(std::string_view text, char letter)
{
    return upperAscii(rightBytes(text, 1)) == std::string_view(&letter, 1);
}

} // namespace

std::string MapCoordinate::entryText() const
{
    return numberToText(tenths) + letter;
}

std::string MapCoordinate::readoutText() const
{
    return numberToText(tenths / 10) + "." + numberToText(tenths % 10) + letter;
}

bool MapGeometry::setMapSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        return false;
    width_ = width;
    height_ = height;
    scaleX_ = static_cast<float>(static_cast<double>(width) / 360.0);
    scaleY_ = static_cast<float>(static_cast<double>(height) / 180.0);
    return true;
}

int MapGeometry::lonTextToX(std::string_view text) const
{
    const double n = textToInt(text);
    const double v = lastLetterIs(text, 'W') ? 360.0 - n / 10.0 : n / 10.0;
    return truncateToInt(v * static_cast<double>(scaleX_));
}

int MapGeometry::latTextToY(std::string_view text) const
{
    const double n = textToInt(text);
    const double v = lastLetterIs(text, 'S') ? 90.0 + n / 10.0 : 90.0 - n / 10.0;
    return truncateToInt(v * static_cast<double>(scaleY_));
}

MapCoordinate MapGeometry::xToLongitude(int x) const
{
    const double column = x;
    const double perDegree = scaleX_;
    if (column - width_ / 2.0 > kMiddleTolerance)
        return {toTenths(360.0 - column / perDegree), 'W'};
    return {toTenths(column / perDegree), 'E'};
}

MapCoordinate MapGeometry::yToLatitude(int y) const
{
    const double row = y;
    const double perDegree = scaleY_;
    if (row - height_ / 2.0 > kMiddleTolerance)
        return {toTenths(row / perDegree - 90.0), 'S'};
    return {toTenths(90.0 - row / perDegree), 'N'};
}

} // namespace galewright
