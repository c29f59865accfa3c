// Language switching: the language list, the introduction and every caption.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "captions.h"
#include "frm_main.h"

namespace quillday {

namespace {

using GEN_TEXT::TextId;

// The list offers these languages, in this order.
struct ListedLanguage {
    TextId name;
    GEN_TEXT::LanguageCode code;
};
constexpr ListedLanguage kListedLanguages[] = {{TextId::EnglishName, GEN_TEXT::English},
                                               {TextId::GermanName, GEN_TEXT::German},
                                               {TextId::SpanishName, GEN_TEXT::Spanish}};

void SetCaption(QWidget* control, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    }
}

}  // namespace

void frmMain::FillLanguageList() {
    // Filling selects entries; the handler must not take those for choices.
    const QSignalBlocker quiet(cboLanguage);
    cboLanguage->clear();
    for (const ListedLanguage& language : kListedLanguages) {
        cboLanguage->addItem(QString::fromUtf8(GEN_TEXT::Text(language.name, language_)),
                             static_cast<int>(language.code));
    }
}

int frmMain::LanguageListIndex(int code) const {
    const int index = cboLanguage->findData(code);
    return index < 0 ? 0 : index;
}

// Selecting an entry in code runs the list's handler as a choice does.
void frmMain::SelectLanguageEntry(int index) {
    cboLanguage->setCurrentIndex(index);
    cboLanguage_Click();
}

void frmMain::cboLanguage_Click() {
    const int index = cboLanguage->currentIndex();
    const int code = cboLanguage->itemData(index).toInt();
    if (index >= 0 && code != language_) {
        language_ = static_cast<GEN_TEXT::LanguageCode>(code);
        FillLanguageList();
        cboLanguage->setCurrentIndex(index);
        ApplyCaptions();
        RefreshTodayDisplay();
        PassLanguageToInformationWindows();
    }
    txbOutput->moveCursor(QTextCursor::End);
    UpdateCopyButton();
    txbOutput->setFocus();
}

void frmMain::ApplyCaptions() {
    for (const CaptionRule& rule : CaptionRules()) {
        SetCaption(Control<QWidget>(rule.control),
                   QString::fromUtf8(GEN_TEXT::Text(rule.text, language_)) +
                       QString::fromUtf8(rule.suffix));
    }
    lblIntro->setText(QString::fromStdString(IntroText(language_)));
    lblDayOrDays->setText(
        QString::fromStdString(UnitWord(LeadingNumber(txbDateDiffDays->text().toStdString()),
                                        TextId::Day, TextId::Days, language_)));
    displayOptions_->ApplyCaptions(language_);
    const QString tip = QString::fromUtf8(GEN_TEXT::Text(TextId::ClickToChangeCalendar, language_));
    lblTodaysDate->setToolTip(tip);
    lblWeekFromToday->setToolTip(tip);
    ApplyAccessibleTexts();
}

}  // namespace quillday
