// Queries of the main window: the display, the notation of a date box,
// focus and the unit word of a day count.

#include "frm_main.h"
#include "texts/gen_text.h"

namespace quillday {

using datelib::CalendarKind;

datelib::Display frmMain::GetDisplay() const {
    return displayOptions_->Current();
}

DateField& frmMain::Date(int n) const {
    return *dates_[n == 1 ? 0 : 1];
}

CalendarKind frmMain::GetInputKind(int n) const {
    return Date(n).Kind();
}

void frmMain::FocusInput(int n) {
    if (n == 1 || n == 2) {
        Date(n).Focus();
    }
}

QString frmMain::DayWord(int32_t n) const {
    return QString::fromStdString(
        UnitWord(n, GEN_TEXT::TextId::Day, GEN_TEXT::TextId::Days, language_));
}

}  // namespace quillday
