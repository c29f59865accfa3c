// The Help window: what the five notations mean and how to use the inputs
// and Compute, in the current language. Shown non-modal.
#ifndef TEXTS_FRM_HELP_H
#define TEXTS_FRM_HELP_H

#include "texts/info_window.h"

namespace quillday {

class frmHelp : public InfoWindow {
    Q_OBJECT

  public:
    // Builds the window at its design size, hidden, and loads its texts.
    explicit frmHelp(QWidget* parent = nullptr);
};

}  // namespace quillday

#endif
