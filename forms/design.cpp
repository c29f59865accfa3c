#include "forms/design.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace quillday {

QRect ToPixels(const TwipsRect& rect) {
    return {rect.left / kTwipsPerPixel, rect.top / kTwipsPerPixel, rect.width / kTwipsPerPixel,
            rect.height / kTwipsPerPixel};
}

int ClientHeight(int outerHeight, int frameHeight) {
    return std::max(outerHeight - std::max(frameHeight, 0), 0);
}

namespace {

// The first installed family of a list, else the system's face of the hint.
// Naming an installed family spares Qt a fallback search for every font.
QString InstalledFamily(const QStringList& candidates, QFont::StyleHint hint) {
    for (const QString& family : candidates) {
        if (QFontDatabase::hasFamily(family)) {
            return family;
        }
    }
    QFont system;
    system.setStyleHint(hint);
    return system.defaultFamily();
}

// "MS Sans Serif" and "Courier New", or fonts of the same widths.
const QString& SansSerifFamily() {
    static const QString family = InstalledFamily(
        {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"},
        QFont::SansSerif);
    return family;
}

const QString& FixedPitchFamily() {
    static const QString family =
        InstalledFamily({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}, QFont::Monospace);
    return family;
}

}  // namespace

QFont DesignFont(double pointSize, bool bold) {
    QFont font(SansSerifFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont FixedPitchDesignFont(double pointSize) {
    QFont font(FixedPitchFamily());
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace quillday
