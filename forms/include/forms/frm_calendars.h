// The Calendars window: the three calendars' months, leap years, weeks and
// correspondence, and where to read more. Shown non-modal.
#ifndef FORMS_FRM_CALENDARS_H
#define FORMS_FRM_CALENDARS_H

#include "forms/info_window.h"

namespace quillday {

class frmCalendars : public InfoWindow {
    Q_OBJECT

  public:
    // Builds the window at its design size, hidden, and loads its texts.
    explicit frmCalendars(QWidget* parent = nullptr);
};

}  // namespace quillday

#endif
