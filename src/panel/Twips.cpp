#include "panel/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace zor {

namespace {

constexpr double kTwipsPerPixelAt96 = 15.0;
constexpr double kSmallestScale = 0.5;

double scale_ = 1.0;

double screenDpiRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
}

} // namespace

double twipScale() {
    return scale_;
}

void setTwipScale(double scale) {
    scale_ = scale > 0.0 ? scale : 1.0;
}

double fittingTwipScale(double logicalDpi, QSize available, QSize neededAt96) {
    double scale = logicalDpi > 0.0 ? logicalDpi / 96.0 : 1.0;
    if (available.width() > 0 && neededAt96.width() > 0)
        scale = std::min(scale, double(available.width()) / neededAt96.width());
    if (available.height() > 0 && neededAt96.height() > 0)
        scale = std::min(scale, double(available.height()) / neededAt96.height());
    return std::max(scale, kSmallestScale);
}

int twipsToPixels(int twips) {
    return int(std::lround(twips * scale_ / kTwipsPerPixelAt96));
}

QRect twipsToPixels(const TwipRect& rect) {
    const int left = twipsToPixels(rect.left);
    const int top = twipsToPixels(rect.top);
    const int right = twipsToPixels(rect.left + rect.width);
    const int bottom = twipsToPixels(rect.top + rect.height);
    return QRect(left, top, right - left, bottom - top);
}

QSize twipsToPixels(int width, int height) {
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

double fontScale() {
    return scale_ / screenDpiRatio();
}

} // namespace zor
