#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include "base/Rounding.h"

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultDpi = 96.0;

double factorFor(double dpi) {
    return kTwipsPerInch / (dpi > 0.0 ? dpi : kDefaultDpi);
}

// No screen without a GUI application (tests of the database code run on a plain core application).
const QScreen* primaryScreenIfAny() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                        : nullptr;
}
}  // namespace

double twipsPerPixelX() {
    const QScreen* screen = primaryScreenIfAny();
    return factorFor(screen ? screen->logicalDotsPerInchX() : kDefaultDpi);
}

double twipsPerPixelY() {
    const QScreen* screen = primaryScreenIfAny();
    return factorFor(screen ? screen->logicalDotsPerInchY() : kDefaultDpi);
}

std::int64_t lngPixelsFromTwips(double twips, double twipsPerPixel) {
    return lngRoundHalfEven(twips / twipsPerPixel);
}

double dblTwipsFromPixels(std::int64_t pixels, double twipsPerPixel) {
    return static_cast<double>(pixels) * twipsPerPixel;
}
