// The Help window: what the five notations mean and how to use the inputs
// and Compute, in the current language. Shown non-modal.
#ifndef FORMS_FRM_HELP_H
#define FORMS_FRM_HELP_H

#include "forms/info_window.h"

namespace quillday {

class frmHelp : public InfoWindow {
    Q_OBJECT

  public:
    // Builds the window at its design size, hidden, and loads its texts.
    explicit frmHelp(QWidget* parent = nullptr);
};

}  // namespace quillday

#endif
