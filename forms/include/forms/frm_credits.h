// The Credits window: who designed, translated and tested the program, in
// the current language. Shown modal with exec().
#ifndef FORMS_FRM_CREDITS_H
#define FORMS_FRM_CREDITS_H

#include "forms/info_window.h"

namespace quillday {

class frmCredits : public InfoWindow {
    Q_OBJECT

  public:
    // Builds the window at its design size, hidden, and loads its texts.
    explicit frmCredits(QWidget* parent = nullptr);

    // Sets the window's outer height in pixels, title bar and borders
    // included, as a classic form's Height; the client area keeps what the
    // frame leaves. A window manager frames the window only once it is
    // shown, so the client area is fitted again then and whenever the
    // window moves or becomes active.
    void SetOuterHeight(int pixels);

  protected:
    bool event(QEvent* event) override;

  private:
    void FitOuterHeight();

    int outerHeight_ = 0;  // 0: the design's client height stands
};

}  // namespace quillday

#endif
