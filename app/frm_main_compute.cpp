// The Compute command in the window: tidy the three inputs, fill in today or
// ask about a surplus day count, then show the answer of the compute library:
// the fields, the equation line and the message.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "frm_main.h"
#include "texts/line_end.h"

namespace quillday {

using datelib::CalendarKind;
using GEN_TEXT::TextId;

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Entry(TextId id, GEN_TEXT::LanguageCode language) {
    return std::string(GEN_TEXT::Text(id, language));
}

}  // namespace

void frmMain::cmdCompute_Click() {
    TrimInputs();
    if (DropsZeroDays(Fields())) {
        txbDateDiffDays->clear();
    }
    if (AllInputsFilled() && UserClearsDays()) {
        txbDateDiffDays->clear();
    }
    if (!AllInputsFilled()) {
        ComputeAnswer answer;
        Compute({Fields(), GetInputKind(1), GetInputKind(2), GetDisplay(), language_, TodayJdn()},
                answer);
        ShowAnswer(answer);
    }
    FocusInput(1);
}

QString frmMain::ErrorTitle() const {
    return FromStd(Entry(TextId::Error, language_) + "!");
}

void frmMain::ShowMessage(InputMessageId id) {
    services_.messageBoxes->Error(this, ErrorTitle(), FromStd(InputMessage(id, language_)));
}

void frmMain::TrimInputs() {
    for (QLineEdit* box : {txbFirstDate, txbSecondDate, txbDateDiffDays}) {
        box->setText(box->text().trimmed());
    }
}

bool frmMain::AllInputsFilled() const {
    return !txbFirstDate->text().isEmpty() && !txbSecondDate->text().isEmpty() &&
           !txbDateDiffDays->text().isEmpty();
}

// Two dates and a day count ask too much: offer to drop the day count.
bool frmMain::UserClearsDays() {
    const QString question = FromStd(
        InputMessage(InputMessageId::BothDatesNeedEmptyDifference, language_) +
        std::string(kLineEnd) + std::string(kLineEnd) + Entry(TextId::Clear, language_) + " " +
        LowerCaseUnlessGerman(Entry(TextId::DateDifference, language_), language_) + "?");
    return services_.messageBoxes->Question(this, ErrorTitle(), question) ==
           MessageBoxes::Answer::Yes;
}

ComputeFields frmMain::Fields() const {
    return {txbFirstDate->text().toStdString(), txbDateDiffDays->text().toStdString(),
            txbSecondDate->text().toStdString()};
}

void frmMain::WriteFields(const ComputeFields& fields) {
    const std::pair<QLineEdit*, const std::string*> boxes[] = {
        {txbFirstDate, &fields.firstDate},
        {txbDateDiffDays, &fields.days},
        {txbSecondDate, &fields.secondDate},
    };
    for (const auto& [box, text] : boxes) {
        const QString newText = FromStd(*text);
        if (box->text() != newText) {
            box->setText(newText);
        }
    }
}

// Writes the fields and the line, then shows the message, as the command
// did them one after the other.
void frmMain::ShowAnswer(const ComputeAnswer& answer) {
    WriteFields(answer.fields);
    switch (answer.outcome) {
        case ComputeOutcome::Computed:
            AppendOutput(answer.line);
            EndLine(answer.unitDays);
            break;
        case ComputeOutcome::ResultOutOfRange:
            AppendOutput(answer.line + std::string(kLineEnd));
            txbOutput->moveCursor(QTextCursor::End);
            break;
        case ComputeOutcome::InputError:
        case ComputeOutcome::TooManyInputs:
            break;
    }
    if (answer.message) {
        ShowMessage(*answer.message);
    }
}

void frmMain::AppendOutput(const std::string& text) {
    txbOutput->moveCursor(QTextCursor::End);
    txbOutput->insertPlainText(FromStd(text));
}

// Ends the line and keeps it in view; the unit word follows the day count.
void frmMain::EndLine(int32_t days) {
    AppendOutput(std::string(kLineEnd));
    const int length = static_cast<int>(txbOutput->toPlainText().size());
    if (length > 0) {
        QTextCursor caret = txbOutput->textCursor();
        caret.setPosition(length - 1);
        txbOutput->setTextCursor(caret);
        txbOutput->ensureCursorVisible();
    }
    lblDayOrDays->setText(DayWord(days));
    NameDaysBox();
}

}  // namespace quillday
