// The Compute command: tidy and validate the three inputs, then append one
// equation line to the output window and fill in the field it answers.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "datelib/date_text.h"
#include "frm_main.h"
#include "texts/line_end.h"

namespace quillday {

using datelib::CalendarKind;
using datelib::ParseStatus;
using GEN_TEXT::TextId;

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Entry(TextId id) {
    return std::string(GEN_TEXT::Text(id));
}

}  // namespace

void frmMain::cmdCompute_Click() {
    TrimInputs();
    if (txbFirstDate->text().isEmpty() && txbSecondDate->text().isEmpty()) {
        txbDateDiffDays->clear();
        cmdToday_Click(0);
    }
    const bool twoDates = !txbFirstDate->text().isEmpty() && !txbSecondDate->text().isEmpty();
    if (twoDates && txbDateDiffDays->text() == "0") {
        txbDateDiffDays->clear();
    }
    if (AllInputsFilled() && UserClearsDays()) {
        txbDateDiffDays->clear();
    }
    if (!AllInputsFilled()) {
        ComputeInputs inputs;
        if (ValidateInputs(inputs)) {
            AppendEquationLine(inputs);
        }
    }
    FocusInput(1);
}

void frmMain::BuildInputErrorMessages() {
    for (int language = 0; language < GEN_TEXT::kLanguageSlots; ++language) {
        for (std::size_t number = 0; number < kInputMessageCount; ++number) {
            inputErrorMessages[static_cast<std::size_t>(language)][number] =
                FromStd(InputMessage(static_cast<InputMessageId>(number),
                                     static_cast<GEN_TEXT::LanguageCode>(language)));
        }
    }
}

QString frmMain::ErrorTitle() const {
    return FromStd(Entry(TextId::Error) + "!");
}

void frmMain::ShowMessage(InputMessageId id) {
    const auto language = static_cast<std::size_t>(GEN_TEXT::currentLanguage);
    services_.messageBoxes->Error(this, ErrorTitle(),
                                  inputErrorMessages[language][static_cast<std::size_t>(id)]);
}

void frmMain::ShowInputError(InputMessageId id) {
    ShowMessage(id);
    inputError = true;
}

QLineEdit* frmMain::DateBox(int n) const {
    return n == 1 ? txbFirstDate : txbSecondDate;
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
    const auto language = static_cast<std::size_t>(GEN_TEXT::currentLanguage);
    const QString question =
        inputErrorMessages[language]
                          [static_cast<std::size_t>(InputMessageId::BothDatesNeedEmptyDifference)] +
        FromStd(std::string(kLineEnd) + std::string(kLineEnd) + Entry(TextId::Clear) + " " +
                LowerCaseUnlessGerman(GEN_TEXT::Text(TextId::DateDifference)) + "?");
    return services_.messageBoxes->Question(this, ErrorTitle(), question) ==
           MessageBoxes::Answer::Yes;
}

bool frmMain::ValidateInputs(ComputeInputs& inputs) {
    inputError = false;
    if (!txbFirstDate->text().isEmpty()) {
        ValidateDate(1, inputs.first, inputs.firstText);
    }
    if (!inputError) {
        ValidateDays(inputs);
    }
    if (!inputError && !txbSecondDate->text().isEmpty()) {
        ValidateDate(2, inputs.second, inputs.secondText);
    }
    return !inputError;
}

bool frmMain::ReadDateBox(int n, CalendarDate& record) {
    const CalendarKind kind = GetInputKind(n);
    switch (datelib::ParseDateText(DateBox(n)->text().toStdString(), datelib::dateSeparator, kind,
                                   GetDateOrder(), record)) {
        case ParseStatus::NotValid:
            ShowMessage(NotValidMessage(n, kind));
            return false;
        case ParseStatus::OutOfRange:
            ShowMessage(OutOfRangeMessage(n));
            return false;
        case ParseStatus::Valid:
            break;
    }
    return true;
}

void frmMain::ValidateDate(int n, CalendarDate& record, std::string& lineText) {
    if (!ReadDateBox(n, record)) {
        inputError = true;
        return;
    }
    // A yyyyddd text is kept as typed; every other notation is rewritten.
    QLineEdit* box = DateBox(n);
    const CalendarKind kind = GetInputKind(n);
    if (kind != CalendarKind::DIY) {
        CalendarDate normalised = record;
        box->setText(FromStd(*DayNumberText(normalised, kind, GetDateOrder())));
    }
    lineText = DateInLine(box->text().toStdString(), kind);
}

void frmMain::ValidateDays(ComputeInputs& inputs) {
    if (txbDateDiffDays->text().isEmpty()) {
        inputs.days = 0;
        return;
    }
    ParseStatus status = ParseStatus::NotValid;
    inputs.days = datelib::ParseJdnText(txbDateDiffDays->text().toStdString(), status);
    switch (status) {
        case ParseStatus::NotValid:
            ShowInputError(InputMessageId::DifferenceNotValid);
            return;
        case ParseStatus::OutOfRange:
            ShowInputError(InputMessageId::DifferenceOutOfRange);
            return;
        case ParseStatus::Valid:
            txbDateDiffDays->setText(
                FromStd(datelib::GroupedNumber(inputs.days, datelib::thousandsSeparator)));
            return;
    }
}

void frmMain::AppendEquationLine(const ComputeInputs& inputs) {
    const bool hasFirst = !txbFirstDate->text().isEmpty();
    const bool hasSecond = !txbSecondDate->text().isEmpty();
    if (hasFirst && hasSecond) {
        AppendDifferenceLine(inputs);
    } else {
        AppendOneDateLine(inputs, hasFirst ? Direction::Forward : Direction::Backward);
    }
}

void frmMain::AppendOneDateLine(const ComputeInputs& inputs, Direction direction) {
    const bool forward = direction == Direction::Forward;
    const CalendarKind targetKind = GetInputKind(forward ? 2 : 1);
    const bool noDays = txbDateDiffDays->text().isEmpty();
    const bool sameNotation = noDays && GetInputKind(1) == GetInputKind(2);

    std::string left = forward ? inputs.firstText : inputs.secondText;
    if (!noDays) {
        left += OperatorPart(direction, txbDateDiffDays->text().toStdString(), inputs.days);
    }
    AppendOutput(left + (sameNotation ? "" : " = "));

    const std::optional<TargetDate> target =
        ComputeTarget(forward ? inputs.first : inputs.second, inputs.days, direction, targetKind,
                      sameNotation, GetDateOrder());
    if (!target) {
        ReportResultOutOfRange();
        return;
    }
    if (target->fieldText) {
        DateBox(forward ? 2 : 1)->setText(FromStd(*target->fieldText));
    }
    AppendOutput(target->lineText);
    AppendWeekdayName(target->record, targetKind);
    EndLine(inputs.days);
}

void frmMain::AppendDifferenceLine(const ComputeInputs& inputs) {
    AppendOutput(inputs.secondText + " " + Entry(TextId::Minus) + " " + inputs.firstText + " = ");
    const std::optional<Difference> difference =
        ComputeDifference(inputs.first, inputs.second, GetInputKind(1), GetInputKind(2));
    if (!difference) {
        ReportResultOutOfRange();
        return;
    }
    txbDateDiffDays->setText(FromStd(difference->daysText));
    AppendOutput(difference->lineText);
    EndLine(difference->days);
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

void frmMain::ReportResultOutOfRange() {
    AppendOutput(Entry(TextId::OutOfRange) + std::string(kLineEnd));
    txbOutput->moveCursor(QTextCursor::End);
    ShowMessage(InputMessageId::ResultOutOfRange);
}

}  // namespace quillday
