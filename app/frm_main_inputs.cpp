// The input fields: typing filters, clear buttons, notation changes and the
// spin steps of the date boxes.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "compute/field_rules.h"
#include "compute/key_filter.h"
#include "frm_main.h"

namespace quillday {

using datelib::CalendarKind;

namespace {

constexpr char32_t kEnter = 13;
constexpr char32_t kBackspace = 8;
constexpr char32_t kCopy = 3;
constexpr char32_t kPaste = 22;
constexpr char32_t kCut = 24;
constexpr char32_t kNoKey = 0;  // a key the filters leave alone

// The editing commands of a text box that type nothing: they pass the
// filters untouched, as navigation keys do.
constexpr QKeySequence::StandardKey kEditingCommands[] = {
    QKeySequence::SelectAll,
    QKeySequence::Undo,
    QKeySequence::Redo,
};

bool IsEditingCommand(const QKeyEvent& event) {
    return std::any_of(
        std::begin(kEditingCommands), std::end(kEditingCommands),
        [&event](QKeySequence::StandardKey command) { return event.matches(command); });
}

// The character code a key press types, as the filters see it: Enter 13,
// backspace 8, copy, paste and cut (Ctrl+C/V/X, Ctrl+Insert, Shift+Insert,
// Shift+Delete) 3/22/24, another Ctrl+letter its control code, or the typed
// character. Navigation and editing commands type nothing and pass.
char32_t TypedKey(const QKeyEvent& event) {
    if (IsEditingCommand(event)) {
        return kNoKey;
    }
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return kEnter;
    }
    if (event.key() == Qt::Key_Backspace) {
        return kBackspace;
    }
    if (event.matches(QKeySequence::Copy)) {
        return kCopy;
    }
    if (event.matches(QKeySequence::Paste)) {
        return kPaste;
    }
    if (event.matches(QKeySequence::Cut)) {
        return kCut;
    }
    if (event.modifiers().testFlag(Qt::ControlModifier) && event.key() >= Qt::Key_A &&
        event.key() <= Qt::Key_Z) {
        return static_cast<char32_t>(event.key() - Qt::Key_A + 1);
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) {
        return kNoKey;
    }
    return text.toUcs4().value(0);
}

// Ends a held arrow of a spin control as the button's release would, which
// stops the scroll bar's auto-repeat. A modal message box opened during the
// press takes the real release, and the arrow would otherwise step again
// behind the box, message after message.
void EndArrowPress(QScrollBar* spin) {
    const QPointF centre(spin->width() / 2.0, spin->height() / 2.0);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, spin->mapToGlobal(centre),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(spin, &release);
}

}  // namespace

bool frmMain::FilterKey(QObject* box, QKeyEvent* event) {
    const char32_t key = TypedKey(*event);
    if (key == kNoKey) {
        return false;
    }
    if (box == txbFirstDate) {
        return txbFirstDate_KeyPress(key);
    }
    if (box == txbSecondDate) {
        return txbSecondDate_KeyPress(key);
    }
    return txbDateDiffDays_KeyPress(key);
}

// Each KeyPress handler returns true when it swallows the key.
bool frmMain::DateKeyPress(char32_t key, QLineEdit* box) {
    if (key == kEnter) {
        cmdCompute_Click();
        return true;
    }
    return !AcceptDateKey(key, static_cast<std::size_t>(box->text().size()), kMaxTypedLength,
                          GetDisplay().dateSeparator);
}

bool frmMain::txbFirstDate_KeyPress(char32_t key) {
    return DateKeyPress(key, txbFirstDate);
}

bool frmMain::txbSecondDate_KeyPress(char32_t key) {
    return DateKeyPress(key, txbSecondDate);
}

bool frmMain::txbDateDiffDays_KeyPress(char32_t key) {
    if (key == kEnter) {
        cmdCompute_Click();
        return true;
    }
    return !AcceptDayCountKey(key, static_cast<std::size_t>(txbDateDiffDays->text().size()),
                              kMaxTypedLength, GetDisplay().thousandsSeparator);
}

void frmMain::cmdClearFirstDate_Click() {
    txbFirstDate->clear();
    FocusInput(1);
}

void frmMain::cmdClearSecondDate_Click() {
    txbSecondDate->clear();
    FocusInput(2);
}

void frmMain::cmdClearDateDiffDays_Click() {
    txbDateDiffDays->clear();
    txbDateDiffDays->setFocus();
}

void frmMain::cmdClearInputWindows_Click() {
    ClearInputWindows();
}

void frmMain::optDateIs_Click(int n, CalendarKind from, CalendarKind to) {
    QLineEdit* box = Date(n).Box();
    box->setText(box->text().trimmed());
    if (const auto converted = ConvertDateToNewKind(box->text(), from, to)) {
        box->setText(*converted);
    }
    Date(n).Describe();
}

// A converted date puts the focus at the end of the days field.
std::optional<QString> frmMain::ConvertDateToNewKind(const QString& text, CalendarKind from,
                                                     CalendarKind to) {
    RefreshTodayDisplay();
    const std::optional<std::string> converted =
        ReexpressDate(text.toStdString(), from, to, GetDisplay());
    if (!converted) {
        return std::nullopt;
    }
    txbDateDiffDays->setFocus();
    txbDateDiffDays->end(false);
    return QString::fromStdString(*converted);
}

void frmMain::VScroll_Change(int index) {
    // The upper arrow steps forward: it takes the value to the top, Qt's minimum.
    const int n = index + 1;
    QScrollBar* spin = Date(n).Spin();
    const int step = -spin->value();
    if (step == 0) {
        return;  // the reset below
    }
    QLineEdit* box = Date(n).Box();
    if (!box->text().trimmed().isEmpty()) {
        const QString stepped = SteppedText(n, box->text(), step);
        if (!stepped.isEmpty()) {
            box->setText(stepped);
        }
    }
    spin->setValue(0);
    txbDateDiffDays->clear();
    // Stepping from the keyboard goes on: the spin control keeps the focus.
    if (!spin->hasFocus()) {
        FocusInput(n);
    }
}

QString frmMain::SteppedText(int n, const QString& text, int32_t days) {
    const FieldChange change = StepDate(n, text.toStdString(), GetInputKind(n), days, GetDisplay());
    if (change.message) {
        EndArrowPress(Date(n).Spin());
        ShowMessage(*change.message);
        return {};
    }
    return QString::fromStdString(change.text);
}

}  // namespace quillday
