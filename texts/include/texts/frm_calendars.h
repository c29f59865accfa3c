// The Calendars window: the three calendars' months, leap years, weeks and
// correspondence, and where to read more. Shown non-modal.
#ifndef TEXTS_FRM_CALENDARS_H
#define TEXTS_FRM_CALENDARS_H

#include "texts/info_window.h"

namespace quillday {

class frmCalendars : public InfoWindow {
    Q_OBJECT

  public:
    // Builds the window at its design size, hidden, and loads its texts.
    explicit frmCalendars(QWidget* parent = nullptr);
};

}  // namespace quillday

#endif
