#pragma once

#include <QtGlobal>

// A colour as 0x00BBGGRR, red in the lowest byte.
using Colour = quint32;

constexpr int clampComponent(int c)
{
    return c < 0 ? 0 : (c > 255 ? 255 : c);
}

constexpr Colour composeColour(int red, int green, int blue)
{
    return Colour(clampComponent(red)) | Colour(clampComponent(green)) << 8
           | Colour(clampComponent(blue)) << 16;
}

constexpr int redOf(Colour c) { return int(c & 0xff); }
constexpr int greenOf(Colour c) { return int(c >> 8 & 0xff); }
constexpr int blueOf(Colour c) { return int(c >> 16 & 0xff); }
