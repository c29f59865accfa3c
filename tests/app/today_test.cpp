// The today labels in every notation, the display options (what each
// choice changes, and what it leaves alone) and the greetings of the
// special days, with the clock fixed at Monday 31 December 2012, 14:05.
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

// Both labels, in the order of left clicks: CE, JC, AN, JDN, yyyyddd.
const QString kCycle[] = {
    "Today is Monday,\n2012-12-31 CE (14:05).|A week from today is\n2013-01-07 CE.",
    "Today is Monday,\n2012-12-18 JC (14:05).|A week from today is\n2012-12-25 JC.",
    "Today is Intercalarius,\n10531-11-01 AN (14:05).|A (5-day) week from today is\n10532-01-05 "
    "AN.",
    "Today is Monday,\n2,456,293 JDN (14:05).|A week from today is\n2,456,300 JDN",
    "Today is Monday,\n2012366 (14:05).|A week from today is\n2013007",
};

// The greeting's title on a day of 2026; language: its code in the settings.
// clang-format off
const struct { const char* name; const char* language; int month, day; const char* title; } kGreetings[] = {
    {"1 January", "0", 1, 1, "This is Calendar Day."},
    {"2 June", "0", 6, 2, "This is Refundatio Day."},
    {"27 November", "0", 11, 27, "This is Independence Day."},
    {"in German", "1", 11, 27, "Dies ist der Unabhängigkeitstag."},
    {"in Spanish", "4", 6, 2, "Este es el día de la Refundación."},
    {"the day after", "0", 11, 28, ""},
    {"the day before", "0", 6, 1, ""},
};
// clang-format on

QString Labels(const frmMain& window) {
    return LabelText(window, "lblTodaysDate") + "|" + LabelText(window, "lblWeekFromToday");
}

const QList<QStringList> kOptionGroups = {
    {"optDateFormatIsYMD", "optDateFormatIsDMY", "optDateFormatIsMDY"},
    {"optSeparatorIsDash", "optSeparatorIsSlash", "optSeparatorIsDot"},
    {"optThousSepIsComma", "optThousSepIsDot", "optThousSepNone"},
    {"optFirstDateIsCE", "optFirstDateIsJC", "optFirstDateIsAN", "optFirstDateIsJDN",
     "optFirstDateIsDIY"},
    {"optSecondDateIsCE", "optSecondDateIsJC", "optSecondDateIsAN", "optSecondDateIsJDN",
     "optSecondDateIsDIY"},
};

// samples: the captions of the three date separators afterwards.
// clang-format off
const struct { const char *name, *clicks, *samples, *today; } kOrderRows[] = {
    {"day first", "optDateFormatIsDMY optSeparatorIsSlash", "31-12-2012 31/12/2012 31.12.2012", "Today is Monday,\n31/12/2012 CE (14:05)."},
    {"month first", "optSeparatorIsDot optDateFormatIsMDY", "12-31-2012 12/31/2012 12.31.2012", "Today is Monday,\n12.31.2012 CE (14:05)."},
    {"year first again", "optDateFormatIsMDY optDateFormatIsYMD", "2012-12-31 2012/12/31 2012.12.31", "Today is Monday,\n2012-12-31 CE (14:05)."},
};
// clang-format on

}  // namespace

class TodayTest : public WindowTest {
    Q_OBJECT

  private slots:
    // Left clicks on either label go forward through the notations, right
    // clicks back.
    void labelClicksCycleTheNotation() {
        frmMain window(fakes_.ForWindow());
        QCOMPARE(Labels(window), kCycle[0]);
        for (int i = 1; i <= 5; ++i) {
            ClickLabel(window, i % 2 ? "lblTodaysDate" : "lblWeekFromToday", Qt::LeftButton);
            QCOMPARE(Labels(window), kCycle[i % 5]);
        }
        for (int i = 1; i <= 5; ++i) {
            ClickLabel(window, i % 2 ? "lblWeekFromToday" : "lblTodaysDate", Qt::RightButton);
            QCOMPARE(Labels(window), kCycle[5 - i]);
        }
    }

    // The clock turns to the new day during the first tick's redraw: that
    // redraw still shows one whole reading, and the next tick the new day.
    void eachTickShowsOneReadingOfTheClock() {
        fakes_.clock->now = {2012, 12, 31, 23, 59};
        frmMain window(fakes_.ForWindow());
        fakes_.clock->coming = {{2012, 12, 31, 23, 59}};
        fakes_.clock->now = {2013, 1, 1, 0, 0};
        QTRY_VERIFY(fakes_.clock->coming.isEmpty());
        QCOMPARE(Labels(window),
                 "Today is Monday,\n2012-12-31 CE (23:59).|A week from today is\n2013-01-07 CE.");
        QTRY_COMPARE(LabelText(window, "lblTodaysDate"),
                     QString("Today is Tuesday,\n2013-01-01 CE (00:00)."));
    }

    // The greeting is its title, its text (naming the Common Era date of the day
    // it marks), and an empty line; the settings file gives the language.
    void specialDaysGreetAtStartUp_data() { AddTableRows(kGreetings); }

    void specialDaysGreetAtStartUp() {
        const auto& row = TableRow(kGreetings);
        const QString title = row.title;
        QTemporaryDir folder;
        fakes_.clock->now = {2026, row.month, row.day, 8, 30};
        fakes_.settingsFilePath = folder.filePath("qly5.usr");
        WriteFile(fakes_.settingsFilePath, row.language + QByteArray("\r\n2,45,44\r\n0,0,0\r\n"));
        frmMain window(fakes_.ForWindow());
        const QStringList lines = OutputText(window).split('\n');
        QCOMPARE(lines.first(), title);
        QCOMPARE(lines.size(), title.isEmpty() ? 1 : 4);
        QCOMPARE(lines.value(1).contains(" CE)"), title.size() > 0);
    }

    void orderAndSeparatorEmptyTheBoxesAndRedrawToday_data() { AddTableRows(kOrderRows); }

    void orderAndSeparatorEmptyTheBoxesAndRedrawToday() {
        const auto& row = TableRow(kOrderRows);
        frmMain window(fakes_.ForWindow());
        for (const QString& option : QString(row.clicks).split(' ')) {
            for (const QString& box : kInputBoxes) {
                Type(window, box, "12");
            }
            Click(window, option);
            for (const QString& box : kInputBoxes) {
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
        const auto selected = [&window](const QString& button) {
            return IsSelected(window, button);
        };
        for (const QStringList& group : kOptionGroups) {
            for (const QString& name : group + QStringList{group.last()}) {
                Click(window, name);
                QVERIFY(selected(name));
                for (const QStringList& other : kOptionGroups) {
                    QCOMPARE(std::count_if(other.begin(), other.end(), selected), qsizetype{1});
                }
            }
        }
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::TodayTest)
#include "today_test.moc"
