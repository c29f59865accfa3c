#include "forms/frm_calendars.h"

#include "info_window_design.h"

namespace quillday {

namespace {

// The text is longer than the box, so the box scrolls; it is read-only but
// selectable, for copying the addresses.
constexpr InfoWindowDesign kCalendarsDesign{
    .name = "frmCalendars",
    .clientWidth = 8700,
    .clientHeight = 5805,
    .text = {120, 105, 8430, 5085},
    .close = {3675, 5355, 1215, 375},
    .style = TextBoxStyle::ReadOnlyScrolling,
    .captionPrefix = "QLY ",
    .caption = GEN_TEXT::TextId::Calendars,
};

}  // namespace

frmCalendars::frmCalendars(QWidget* parent)
    : InfoWindow(kCalendarsDesign, CalendarsTexts(), parent) {}

}  // namespace quillday
