// The today labels in every notation, the Today buttons and the greetings of
// the special days, with the clock fixed at Monday 31 December 2012, 14:05.
#include "datelib/date_values.h"
#include "fakes.h"
#include "texts/gen_text.h"
#include "texts/line_end.h"
#include "window_test_helpers.h"

namespace quillday::testing {

class TodayTest : public QObject {
    Q_OBJECT

  private slots:
    void labelsCycleForwardOnLeftClicks_data() {
        QTest::addColumn<QString>("clickedLabel");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("today");
        QTest::addColumn<QString>("weekAhead");
        const struct {
            const char* row;
            int clicks;
            const char* today;
            const char* weekAhead;
        } rows[] = {
            {"CE", 0, "Today is Monday,\n2012-12-31 CE (14:05).",
             "A week from today is\n2013-01-07 CE."},
            {"JC", 1, "Today is Monday,\n2012-12-18 JC (14:05).",
             "A week from today is\n2012-12-25 JC."},
            {"AN", 2, "Today is Intercalarius,\n10531-11-01 AN (14:05).",
             "A (5-day) week from today is\n10532-01-05 AN."},
            {"JDN", 3, "Today is Monday,\n2,456,293 JDN (14:05).",
             "A week from today is\n2,456,300 JDN"},
            {"yyyyddd", 4, "Today is Monday,\n2012366 (14:05).", "A week from today is\n2013007"},
            {"CE again", 5, "Today is Monday,\n2012-12-31 CE (14:05).",
             "A week from today is\n2013-01-07 CE."},
        };
        for (const char* label : {"lblTodaysDate", "lblWeekFromToday"}) {
            for (const auto& r : rows) {
                QTest::addRow("%s on %s", r.row, label)
                    << QString(label) << r.clicks << QString(r.today) << QString(r.weekAhead);
            }
        }
    }

    void labelsCycleForwardOnLeftClicks() {
        QFETCH(QString, clickedLabel);
        QFETCH(int, clicks);
        QFETCH(QString, today);
        QFETCH(QString, weekAhead);
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        for (int i = 0; i < clicks; ++i) {
            ClickLabel(window, clickedLabel, Qt::LeftButton);
        }
        QCOMPARE(LabelText(window, "lblTodaysDate"), today);
        QCOMPARE(LabelText(window, "lblWeekFromToday"), weekAhead);
    }

    void rightClicksCycleBackward() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        const datelib::CalendarKind expected[] = {
            datelib::CalendarKind::DIY, datelib::CalendarKind::JDN, datelib::CalendarKind::AN,
            datelib::CalendarKind::JC, datelib::CalendarKind::CE};
        for (const datelib::CalendarKind kind : expected) {
            ClickLabel(window, "lblWeekFromToday", Qt::RightButton);
            QCOMPARE(window.todayNotation, kind);
        }
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Today is Monday,\n2012-12-31 CE (14:05)."));
    }

    void germanLabelsCarryTheArticle() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        GEN_TEXT::currentLanguage = GEN_TEXT::German;
        window.RefreshTodayDisplay();
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Heute ist Montag,\nder 2012-12-31 CE (14:05)."));
        QCOMPARE(LabelText(window, "lblWeekFromToday"),
                 QString("Eine Woche weiter als heute ist\nder 2013-01-07 CE."));
        GEN_TEXT::currentLanguage = GEN_TEXT::English;
    }

    // The clock turns to the new day during the first tick's redraw: that
    // redraw still shows one whole reading, and the next tick the new day.
    void eachTickShowsOneReadingOfTheClock() {
        FakeServices fakes;
        fakes.clock->now = {2012, 12, 31, 23, 59};
        frmMain window(fakes.ForWindow());
        fakes.clock->coming = {{2012, 12, 31, 23, 59}};
        fakes.clock->now = {2013, 1, 1, 0, 0};
        QTRY_VERIFY(fakes.clock->coming.isEmpty());
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Today is Monday,\n2012-12-31 CE (23:59)."));
        QCOMPARE(LabelText(window, "lblWeekFromToday"),
                 QString("A week from today is\n2013-01-07 CE."));
        QTRY_COMPARE(LabelText(window, "lblTodaysDate"),
                     QString("Today is Tuesday,\n2013-01-01 CE (00:00)."));
    }

    void todayButtonWritesTodayInTheBoxNotation_data() {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("CE") << "CE"
                            << "2012-12-31";
        QTest::newRow("JC") << "JC"
                            << "2012-12-18";
        QTest::newRow("AN") << "AN"
                            << "10531-11-01";
        QTest::newRow("JDN") << "JDN"
                             << "2,456,293";
        QTest::newRow("yyyyddd") << "DIY"
                                 << "2012366";
    }

    void todayButtonWritesTodayInTheBoxNotation() {
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        for (const char* box : {"First", "Second"}) {
            Find<QRadioButton>(window, QString("opt%1DateIs%2").arg(box, notation))
                ->setChecked(true);
        }
        Find<QLineEdit>(window, "txbDateDiffDays")->setText("12");
        Click(window, "cmdToday(1)");
        QCOMPARE(BoxText(window, "txbSecondDate"), expected);
        QCOMPARE(BoxText(window, "txbDateDiffDays"), QString());
        Click(window, "cmdToday(0)");
        QCOMPARE(BoxText(window, "txbFirstDate"), expected);
    }

    void specialDaysGreetAtStartUp_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("greeting");
        const QString le = QString::fromUtf8(kLineEnd);
        QTest::newRow("1 January") << 1 << 1
                                   << "This is Calendar Day." + le +
                                          "The Annus Novus Decimal Calendar was introduced on "
                                          "10520-01-01 AN (2001-01-01 CE)." +
                                          le + le;
        QTest::newRow("2 June") << 6 << 2
                                << "This is Refundatio Day." + le +
                                       "The Reformation and Refoundation of Velmora occurred on "
                                       "10518-05-07 AN (1999-06-02 CE)." +
                                       le + le;
        QTest::newRow("27 November")
            << 11 << 27
            << "This is Independence Day." + le +
                   "The Empire of Velmora was founded on 10500-10-03 AN (1981-11-27 CE)." + le + le;
        QTest::newRow("another day") << 11 << 28 << QString();
    }

    void specialDaysGreetAtStartUp() {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, greeting);
        FakeServices fakes;
        fakes.clock->now = {2026, month, day, 8, 30};
        frmMain window(fakes.ForWindow());
        QCOMPARE(OutputText(window), greeting);
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::TodayTest)
#include "today_test.moc"
