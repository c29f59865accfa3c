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

const QStringList kBoxes = {"txbFirstDate", "txbSecondDate", "txbDateDiffDays"};

// The selected buttons of a group.
QStringList Selected(const frmMain& window, const QStringList& group) {
    QStringList selected;
    for (const QString& name : group) {
        if (IsSelected(window, name)) {
            selected << name;
        }
    }
    return selected;
}

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void orderAndSeparatorEmptyTheBoxesAndRedrawToday_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("samples");  // the captions of the date separators
        QTest::addColumn<QString>("today");
        QTest::newRow("day first") << QStringList{"optDateFormatIsDMY", "optSeparatorIsSlash"}
                                   << QStringList{"31-12-2012", "31/12/2012", "31.12.2012"}
                                   << "Today is Monday,\n31/12/2012 CE (14:05).";
        QTest::newRow("month first") << QStringList{"optSeparatorIsDot", "optDateFormatIsMDY"}
                                     << QStringList{"12-31-2012", "12/31/2012", "12.31.2012"}
                                     << "Today is Monday,\n12.31.2012 CE (14:05).";
        QTest::newRow("year first again") << QStringList{"optDateFormatIsMDY", "optDateFormatIsYMD"}
                                          << QStringList{"2012-12-31", "2012/12/31", "2012.12.31"}
                                          << "Today is Monday,\n2012-12-31 CE (14:05).";
    }

    void orderAndSeparatorEmptyTheBoxesAndRedrawToday() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, samples);
        QFETCH(QString, today);
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        for (const QString& option : clicks) {
            for (const QString& box : kBoxes) {
                Type(window, box, "12");
            }
            Click(window, option);
            for (const QString& box : kBoxes) {
                QCOMPARE(BoxText(window, box), QString());
            }
        }
        QCOMPARE(Find<QRadioButton>(window, "optSeparatorIsDash")->text(), samples[0]);
        QCOMPARE(Find<QRadioButton>(window, "optSeparatorIsSlash")->text(), samples[1]);
        QCOMPARE(Find<QRadioButton>(window, "optSeparatorIsDot")->text(), samples[2]);
        QCOMPARE(LabelText(window, "lblTodaysDate"), today);
    }

    void thousandsSeparatorKeepsTheBoxesAndShowsAtTheNextTick() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
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
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::OptionsTest)
#include "options_test.moc"
