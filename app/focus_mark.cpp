#include "focus_mark.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace quillday {

void DrawFocusFrame(QWidget& widget) {
    QStylePainter painter(&widget);
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace quillday
