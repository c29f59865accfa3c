// Queries of the main window: the display, the notation of a date box,
// focus, the unit word of a day count and the week-day name of a date.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>

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

void frmMain::AppendWeekdayName(CalendarDate date, CalendarKind kind) {
    txbOutput->moveCursor(QTextCursor::End);
    txbOutput->insertPlainText(", " + QString::fromUtf8(WeekdayName(date, kind, language_)));
}

}  // namespace quillday
