// Controls whose style draws no focus mark of its own (labels that act when
// clicked, the spin controls) draw the style's focus frame over themselves
// while the keyboard has brought them the focus.
#ifndef APP_FOCUS_MARK_H
#define APP_FOCUS_MARK_H

#include <QWidget>

class QPaintEvent;

namespace quillday {

// Draws the style's focus frame around the widget's rectangle.
void DrawFocusFrame(QWidget& widget);

template <typename Control>
class FocusMarked : public Control {
  public:
    using Control::Control;

  protected:
    void paintEvent(QPaintEvent* event) override {
        Control::paintEvent(event);
        if (this->hasFocus()) {
            DrawFocusFrame(*this);
        }
    }
};

}  // namespace quillday

#endif
