#pragma once

#include <cstdint>

// Window positions of the player's forms are kept in twips (1/1440 inch); stored rectangles are in pixels.
// The factors come from the primary screen's logical resolution (15 twips per pixel at 96 DPI).
double twipsPerPixelX();
double twipsPerPixelY();

// Twips to whole pixels, halves to even; and pixels back to twips.
std::int64_t lngPixelsFromTwips(double twips, double twipsPerPixel);
double dblTwipsFromPixels(std::int64_t pixels, double twipsPerPixel);
