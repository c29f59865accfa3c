#include "forms/caption_style.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOption>

namespace quillday {

namespace {

// The width of a push button's bevel, which the caption must not cover.
constexpr int kBevelWidth = 1;

// Where a one-line caption goes in rect: rect itself when its line fits,
// else a rect of one line's height placed so that the caption's ink is
// centred in rect.
QRect CaptionLineRect(const QFontMetrics& metrics, const QRect& rect, int flags,
                      const QString& text) {
    const bool oneLine = !text.contains(QLatin1Char('\n')) && !(flags & Qt::TextWordWrap);
    if (!oneLine || !(flags & Qt::AlignVCenter) || metrics.height() <= rect.height()) {
        return rect;
    }
    const QRect ink = metrics.tightBoundingRect(text);  // y relative to the baseline
    const int baseline = rect.top() + (rect.height() - ink.height()) / 2 - ink.top();
    return {rect.left(), baseline - metrics.ascent(), rect.width(), metrics.height()};
}

}  // namespace

QRect CaptionStyle::subElementRect(SubElement element, const QStyleOption* option,
                                   const QWidget* widget) const {
    QRect rect = QProxyStyle::subElementRect(element, option, widget);
    if (element == SE_PushButtonContents) {
        const QRect face =
            option->rect.adjusted(kBevelWidth, kBevelWidth, -kBevelWidth, -kBevelWidth);
        rect.setTop(face.top());
        rect.setBottom(face.bottom());
    }
    return rect;
}

void CaptionStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                const QPalette& palette, bool enabled, const QString& text,
                                QPalette::ColorRole textRole) const {
    const QRect line = CaptionLineRect(painter->fontMetrics(), rect, flags, text);
    QProxyStyle::drawItemText(painter, line, flags, palette, enabled, text, textRole);
}

}  // namespace quillday
