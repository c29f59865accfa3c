// The other commands of the main window: moving the second date into the
// first, and quitting.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>

#include "datelib/date_text.h"
#include "frm_main.h"

namespace quillday {

using datelib::CalendarKind;
using datelib::ParseStatus;

void frmMain::cmdMoveSecondDateToFirst_Click() {
    if (txbSecondDate->text().isEmpty()) {
        FocusInput(1);
        return;
    }
    const CalendarKind secondKind = GetInputKind(2);
    const datelib::DateOrder order = GetDateOrder();
    CalendarDate date{};
    const ParseStatus status = datelib::ParseDateText(
        txbSecondDate->text().toStdString(), datelib::dateSeparator, secondKind, order, date);
    if (status != ParseStatus::Valid) {
        ShowMessage(status == ParseStatus::NotValid ? NotValidMessage(2, secondKind)
                                                    : OutOfRangeMessage(2));
        FocusInput(2);
        return;
    }
    // A yyyyddd first box takes the text as it stands.
    const CalendarKind firstKind = GetInputKind(1);
    txbFirstDate->setText(firstKind == CalendarKind::DIY
                              ? txbSecondDate->text()
                              : QString::fromStdString(*DayNumberText(date, firstKind, order)));
    txbSecondDate->clear();
    txbDateDiffDays->setFocus();
    txbDateDiffDays->end(false);
}

void frmMain::cmdQuit_Click() {
    SaveSettings();
    CloseInformationWindows();
    hide();
    QCoreApplication::quit();
}

void frmMain::Form_Unload() {
    cmdQuit_Click();
}

// Closing the window by any means quits as the Quit button does.
void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

}  // namespace quillday
