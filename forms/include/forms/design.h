// The units and fonts the windows were designed in: positions in twips and
// the "MS Sans Serif" family, with stand-ins where it is not installed.
#ifndef FORMS_DESIGN_H
#define FORMS_DESIGN_H

#include <QFont>
#include <QRect>

namespace quillday {

// Twips per device-independent pixel.
inline constexpr int kTwipsPerPixel = 15;

// The point size of ordinary controls.
inline constexpr double kDesignPointSize = 8.25;

// A rectangle in twips: left, top, width, height.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// The rectangle in pixels: {105, 120, 8205, 4545} gives (7, 8, 547 x 303).
QRect ToPixels(const TwipsRect& rect);

// The client height of a window whose outer height (title bar and borders
// included, as a classic form's Height) is outerHeight, in a frame of
// frameHeight: what the frame leaves, never below 0. A frame not yet known
// (0, or negative) leaves the whole. Example: 146 in a frame of 30 gives 116.
int ClientHeight(int outerHeight, int frameHeight);

// "MS Sans Serif" at the given size; where it is not installed, the first
// installed of fonts of the same widths ("Microsoft Sans Serif", "Liberation
// Sans", "Arial"), else the system's sans-serif face.
QFont DesignFont(double pointSize = kDesignPointSize, bool bold = false);

// "Courier New" at the given size, else "Liberation Mono" or the system's
// fixed-pitch face.
QFont FixedPitchDesignFont(double pointSize);

}  // namespace quillday

#endif
