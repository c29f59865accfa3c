// The Credits window: who designed, translated and tested the program, in
// the current language. Shown modal with exec().
#ifndef TEXTS_FRM_CREDITS_H
#define TEXTS_FRM_CREDITS_H

#include "texts/info_window.h"

namespace quillday {

class frmCredits : public InfoWindow {
    Q_OBJECT

  public:
    // Builds the window at its design size, hidden, and loads its texts.
    explicit frmCredits(QWidget* parent = nullptr);
};

}  // namespace quillday

#endif
