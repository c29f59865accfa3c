// The display options: what each choice changes, and what it leaves alone.
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

const QStringList kBoxes = {"txbFirstDate", "txbSecondDate", "txbDateDiffDays"};

// samples: the captions of the three date separators afterwards.
// clang-format off
const struct { const char *name, *clicks, *samples, *today; } kOrderRows[] = {
    {"day first", "optDateFormatIsDMY optSeparatorIsSlash", "31-12-2012 31/12/2012 31.12.2012", "Today is Monday,\n31/12/2012 CE (14:05)."},
    {"month first", "optSeparatorIsDot optDateFormatIsMDY", "12-31-2012 12/31/2012 12.31.2012", "Today is Monday,\n12.31.2012 CE (14:05)."},
    {"year first again", "optDateFormatIsMDY optDateFormatIsYMD", "2012-12-31 2012/12/31 2012.12.31", "Today is Monday,\n2012-12-31 CE (14:05)."},
};
// clang-format on

}  // namespace

class OptionsTest : public WindowTest {
    Q_OBJECT

  private slots:
    void orderAndSeparatorEmptyTheBoxesAndRedrawToday_data() { AddTableRows(kOrderRows); }

    void orderAndSeparatorEmptyTheBoxesAndRedrawToday() {
        const auto& row = TableRow(kOrderRows);
        frmMain window(fakes_.ForWindow());
        for (const QString& option : QString(row.clicks).split(' ')) {
            for (const QString& box : kBoxes) {
                Type(window, box, "12");
            }
            Click(window, option);
            for (const QString& box : kBoxes) {
                QCOMPARE(BoxText(window, box), QString());
            }
        }
        QStringList captions;
        for (const QString& option : kOptionGroups[1]) {
            captions << Find<QRadioButton>(window, option)->text();
        }
        QCOMPARE(captions.join(' '), QString(row.samples));
        QCOMPARE(LabelText(window, "lblTodaysDate"), QString(row.today));
    }

    void thousandsSeparatorKeepsTheBoxesAndShowsAtTheNextTick() {
        frmMain window(fakes_.ForWindow());
        for (int i = 0; i < 3; ++i) {
            ClickLabel(window, "lblTodaysDate", Qt::LeftButton);  // to JDN
        }
        Type(window, "txbDateDiffDays", "1,000");
        Click(window, "optThousSepIsDot");
        QCOMPARE(BoxText(window, "txbDateDiffDays"), QString("1,000"));
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Today is Monday,\n2,456,293 JDN (14:05)."));
        QTRY_COMPARE(LabelText(window, "lblTodaysDate"),
                     QString("Today is Monday,\n2.456.293 JDN (14:05)."));
        Click(window, "optThousSepNone");
        ClickLabel(window, "lblTodaysDate", Qt::LeftButton);
        ClickLabel(window, "lblTodaysDate", Qt::RightButton);  // back to JDN, redrawn
        QCOMPARE(LabelText(window, "lblWeekFromToday"),
                 QString("A week from today is\n2456300 JDN"));
    }

    // Each button in turn, then the selected one again: its group has that
    // one selected, and every group exactly one.
    void everyGroupKeepsExactlyOneSelectedButton() {
        frmMain window(fakes_.ForWindow());
        for (const QStringList& group : kOptionGroups) {
            for (const QString& name : group + QStringList{group.last()}) {
                Click(window, name);
                for (const QStringList& other : kOptionGroups) {
                    QStringList selected;
                    for (const QString& button : other) {
                        if (IsSelected(window, button)) {
                            selected << button;
                        }
                    }
                    QCOMPARE(selected.size(), 1);
                    QVERIFY(&other != &group || selected.first() == name);
                }
            }
        }
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::OptionsTest)
#include "options_test.moc"
