// The display options: what each choice changes, and what it leaves alone.
#include "fakes.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

const QList<QStringList> kOptionGroups = {
    {"optDateFormatIsYMD", "optDateFormatIsDMY", "optDateFormatIsMDY"},
    {"optSeparatorIsDash", "optSeparatorIsSlash", "optSeparatorIsDot"},
    {"optThousSepIsComma", "optThousSepIsDot", "optThousSepNone"},
    {"optFirstDateIsCE", "optFirstDateIsJC", "optFirstDateIsAN", "optFirstDateIsJDN",
     "optFirstDateIsDIY"},
    {"optSecondDateIsCE", "optSecondDateIsJC", "optSecondDateIsAN", "optSecondDateIsJDN",
     "optSecondDateIsDIY"},
};

// The selected buttons of a group.
QStringList Selected(const frmMain& window, const QStringList& group) {
    QStringList selected;
    for (const QString& name : group) {
        if (Find<QRadioButton>(window, name)->isChecked()) {
            selected << name;
        }
    }
    return selected;
}

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void orderAndSeparatorEmptyTheBoxesAndRedrawToday() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        for (const char* option : {"optDateFormatIsDMY", "optSeparatorIsSlash"}) {
            for (const char* box : {"txbFirstDate", "txbSecondDate", "txbDateDiffDays"}) {
                Find<QLineEdit>(window, box)->setText("12");
            }
            Click(window, option);
            for (const char* box : {"txbFirstDate", "txbSecondDate", "txbDateDiffDays"}) {
                QCOMPARE(BoxText(window, box), QString());
            }
        }
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Today is Monday,\n31/12/2012 CE (14:05)."));
        QCOMPARE(Find<QRadioButton>(window, "optSeparatorIsDash")->text(), QString("31-12-2012"));
        QCOMPARE(Find<QRadioButton>(window, "optSeparatorIsSlash")->text(), QString("31/12/2012"));
        QCOMPARE(Find<QRadioButton>(window, "optSeparatorIsDot")->text(), QString("31.12.2012"));
    }

    void selectingAnOptionInCodeRunsItsHandler() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        Find<QRadioButton>(window, "optDateFormatIsMDY")->setChecked(true);
        QCOMPARE(Find<QRadioButton>(window, "optSeparatorIsDot")->text(), QString("12.31.2012"));
        Find<QRadioButton>(window, "optSeparatorIsDot")->setChecked(true);
        QCOMPARE(datelib::dateSeparator, std::string("."));
    }

    void thousandsSeparatorKeepsTheBoxesAndShowsAtTheNextTick() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        for (int i = 0; i < 3; ++i) {
            ClickLabel(window, "lblTodaysDate", Qt::LeftButton);  // to JDN
        }
        Find<QLineEdit>(window, "txbDateDiffDays")->setText("1,000");
        Click(window, "optThousSepIsDot");
        QCOMPARE(BoxText(window, "txbDateDiffDays"), QString("1,000"));
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Today is Monday,\n2,456,293 JDN (14:05)."));
        window.Clock_Timer();
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Today is Monday,\n2.456.293 JDN (14:05)."));
        Click(window, "optThousSepNone");
        window.Clock_Timer();
        QCOMPARE(LabelText(window, "lblWeekFromToday"),
                 QString("A week from today is\n2456300 JDN"));
    }

    void everyGroupKeepsExactlyOneSelectedButton() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        for (const QStringList& group : kOptionGroups) {
            // Each button in turn, then the selected one again.
            for (const QString& name : group + QStringList{group.last()}) {
                Click(window, name);
                QCOMPARE(Selected(window, group), QStringList{name});
                for (const QStringList& other : kOptionGroups) {
                    QCOMPARE(Selected(window, other).size(), 1);
                }
            }
        }
        QCOMPARE(datelib::thousandsSeparator, std::string());
    }

    void dotMayServeAsBothSeparators() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        Click(window, "optSeparatorIsDot");
        Click(window, "optThousSepIsDot");
        QCOMPARE(datelib::dateSeparator, std::string("."));
        QCOMPARE(datelib::thousandsSeparator, std::string("."));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::OptionsTest)
#include "options_test.moc"
