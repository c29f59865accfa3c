// What screen readers read for the controls without a caption of their own:
// names and descriptions taken from the captions a sighted user reads
// beside them, in the current language.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "captions.h"
#include "frm_main.h"
#include "main_window_layout.h"

namespace quillday {

void frmMain::PairLabelsWithControls() {
    for (const LabelBuddy& pair : MainWindowBuddies()) {
        Control<QLabel>(pair.label)->setBuddy(Control<QWidget>(pair.control));
    }
}

void frmMain::ApplyAccessibleTexts() {
    for (const AccessibleRule& rule : AccessibleRules()) {
        QWidget* control = Control<QWidget>(rule.control);
        const QString text = QString::fromUtf8(GEN_TEXT::Text(rule.text, language_));
        if (rule.field == AccessibleField::Name) {
            control->setAccessibleName(text);
        } else {
            control->setAccessibleDescription(text);
        }
    }
    NameDaysBox();
    Date(1).Describe();
    Date(2).Describe();
}

// The label alone would leave out the unit: "Date difference: days".
void frmMain::NameDaysBox() {
    txbDateDiffDays->setAccessibleName(Control<QLabel>("lblDateDifference")->text() + " " +
                                       lblDayOrDays->text());
}

}  // namespace quillday
