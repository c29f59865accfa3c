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

CalendarKind frmMain::GetInputKind(int n) const {
    QRadioButton* const* options = n == 1 ? optFirstDateIs : optSecondDateIs;
    for (const CalendarKind kind :
         {CalendarKind::JC, CalendarKind::AN, CalendarKind::JDN, CalendarKind::DIY}) {
        if (options[static_cast<int>(kind)]->isChecked()) {
            return kind;
        }
    }
    return CalendarKind::CE;
}

void frmMain::FocusInput(int n) {
    QLineEdit* box = n == 1 ? txbFirstDate : n == 2 ? txbSecondDate : nullptr;
    if (box != nullptr) {
        box->setFocus();
        box->end(false);
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
