// The today labels, the clock, the Today buttons and the special-day greeting.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "compute/result_lines.h"
#include "compute/today_labels.h"
#include "frm_main.h"
#include "texts/gen_text.h"

namespace quillday {

using datelib::CalendarKind;

void frmMain::RefreshTodayDisplay() {
    // One reading of the clock, so that a redraw at midnight cannot mix two days.
    const LocalDateTime now = services_.clock->Now();
    const ClockReading reading{{now.year, now.month, now.day}, now.hour, now.minute};
    // A clock beyond the notation's range leaves the labels' last texts.
    if (const auto labels = ComposeTodayLabels(todayNotation, GetDisplay(), language_, reading)) {
        lblTodaysDate->setText(QString::fromStdString(labels->today));
        lblWeekFromToday->setText(QString::fromStdString(labels->weekAhead));
    }
}

void frmMain::Clock_Timer() {
    RefreshTodayDisplay();
}

// Either label moves the notation on; the right button moves it back.
void frmMain::TodayLabel_MouseUp(Qt::MouseButton button) {
    todayNotation = button == Qt::RightButton ? PreviousTodayNotation(todayNotation)
                                              : NextTodayNotation(todayNotation);
    RefreshTodayDisplay();
}

void frmMain::lblTodaysDate_MouseUp(Qt::MouseButton button) {
    TodayLabel_MouseUp(button);
}

void frmMain::lblWeekFromToday_MouseUp(Qt::MouseButton button) {
    TodayLabel_MouseUp(button);
}

int32_t frmMain::TodayJdn() const {
    const LocalDateTime now = services_.clock->Now();
    return datelib::LocalDateJdn({now.year, now.month, now.day});
}

// Today has no yyyyddd form outside the years 1 to 9999: the box then stays
// as it was.
void frmMain::WriteTodayInto(QLineEdit* box, CalendarKind kind) {
    if (const std::optional<std::string> text = TodayText(TodayJdn(), kind, GetDisplay())) {
        box->setText(QString::fromStdString(*text));
    }
}

void frmMain::cmdToday_Click(int index) {
    const int n = index + 1;
    WriteTodayInto(Date(n).Box(), GetInputKind(n));
    txbDateDiffDays->clear();
    FocusInput(n);
}

void frmMain::ShowSpecialDayMessage() {
    const LocalDateTime now = services_.clock->Now();
    const std::string message = SpecialDayMessage(SpecialDays(), now.month, now.day, language_);
    txbOutput->setPlainText(QString::fromStdString(message));
}

}  // namespace quillday
