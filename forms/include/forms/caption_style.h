// A style that keeps push button captions whole in the windows' designed
// button heights, whatever face stands in for the design font.
#ifndef FORMS_CAPTION_STYLE_H
#define FORMS_CAPTION_STYLE_H

#include <QProxyStyle>

namespace quillday {

// The application's style, with two changes to push buttons:
// - the caption may use the whole face of the button inside its bevel, not
//   only what the style's frame margins leave (Windows' own style leaves
//   13 of a button's 17 pixels);
// - a caption whose line is taller than that face (Windows' "MS Sans Serif"
//   as Wine carries it: 16 pixels) is placed by its ink, centred, rather
//   than by its line, so no letter is cut off.
// Captions whose line fits are drawn exactly as the application's style
// draws them.
class CaptionStyle final : public QProxyStyle {
  public:
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

}  // namespace quillday

#endif
