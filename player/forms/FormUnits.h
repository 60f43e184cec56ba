#pragma once

#include "platform/Twips.h"

// Sizes of the forms are given in twips; the widgets take pixels.
inline int pixelsX(double twips) {
    return static_cast<int>(lngPixelsFromTwips(twips, twipsPerPixelX()));
}

inline int pixelsY(double twips) {
    return static_cast<int>(lngPixelsFromTwips(twips, twipsPerPixelY()));
}
