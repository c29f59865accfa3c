#include "texts/design.h"

#include <QStringList>

namespace quillday {

QRect ToPixels(const TwipsRect& rect) {
    return {rect.left / kTwipsPerPixel, rect.top / kTwipsPerPixel, rect.width / kTwipsPerPixel,
            rect.height / kTwipsPerPixel};
}

void SubstituteDesignFonts() {
    QFont::insertSubstitutions("MS Sans Serif",
                               {"Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"});
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
}

QFont DesignFont(double pointSize, bool bold) {
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont FixedPitchDesignFont(double pointSize) {
    QFont font("Courier New");
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace quillday
