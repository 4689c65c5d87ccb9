#pragma once

#include <QRect>
#include <QSize>

namespace zor {

// Window geometry is laid out in twips (1/1440 inch): 15 twips are one pixel
// at 96 dots per inch. Every position and size of the window passes through
// twipsToPixels, so one factor scales the whole window with the screen.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Pixels per 15 twips: 1.0 at 96 dpi.
double twipScale();
void setTwipScale(double scale);

// The factor for a screen of `logicalDpi` whose free area is `available`
// pixels, for a window that needs `neededAt96` pixels at 96 dpi: the dpi
// ratio, reduced as far as needed for the window to fit, never below 0.5.
double fittingTwipScale(double logicalDpi, QSize available, QSize neededAt96);

// The only conversion from twips to pixels.
int twipsToPixels(int twips);
// Edges are converted, not sizes, so neighbours that touch in twips touch on
// screen.
QRect twipsToPixels(const TwipRect& rect);
QSize twipsToPixels(int width, int height);

// How much larger than their nominal size fonts are drawn: the twip scale
// relative to the screen's own dpi ratio, so text shrinks with the window
// when it had to be reduced to fit.
double fontScale();

} // namespace zor
