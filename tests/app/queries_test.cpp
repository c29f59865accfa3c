// The queries the handlers share: date order, notation, focus, unit words
// and week-day names.
#include <QApplication>

#include <QButtonGroup>

#include "fakes.h"
#include "texts/gen_text.h"
#include "window_test_helpers.h"

namespace quillday::testing {

class QueriesTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { GEN_TEXT::currentLanguage = GEN_TEXT::English; }

    void dateOrderFollowsItsButtonsAndFallsBackToMdy() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        Find<QRadioButton>(window, "optDateFormatIsDMY")->setChecked(true);
        QCOMPARE(window.GetDateOrder(), datelib::DateOrder::DMY);
        auto* dmy = Find<QRadioButton>(window, "optDateFormatIsDMY");
        dmy->group()->setExclusive(false);
        dmy->setChecked(false);
        QCOMPARE(window.GetDateOrder(), datelib::DateOrder::MDY);
    }

    void inputKindFollowsTheBoxButtonsAndFallsBackToCe() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        Find<QRadioButton>(window, "optSecondDateIsAN")->setChecked(true);
        QCOMPARE(window.GetInputKind(2), datelib::CalendarKind::AN);
        QCOMPARE(window.GetInputKind(7), datelib::CalendarKind::AN);
        QCOMPARE(window.GetInputKind(1), datelib::CalendarKind::CE);
        auto* an = Find<QRadioButton>(window, "optSecondDateIsAN");
        an->group()->setExclusive(false);
        an->setChecked(false);
        QCOMPARE(window.GetInputKind(2), datelib::CalendarKind::CE);
    }

    void focusGoesToTheBoxWithTheCaretAtTheEnd() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* second = Find<QLineEdit>(window, "txbSecondDate");
        second->setText("2012-12-31");
        second->setCursorPosition(0);
        window.FocusInput(2);
        QCOMPARE(QApplication::focusWidget(), second);
        QCOMPARE(second->cursorPosition(), 10);
        window.FocusInput(3);
        QCOMPARE(QApplication::focusWidget(), second);
    }

    void dayWordIsSingularOnlyForOneAndMinusOne_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("word");
        QTest::newRow("English 1") << int(GEN_TEXT::English) << 1 << "day";
        QTest::newRow("English -1") << int(GEN_TEXT::English) << -1 << "day";
        QTest::newRow("English 0") << int(GEN_TEXT::English) << 0 << "days";
        QTest::newRow("English 2") << int(GEN_TEXT::English) << 2 << "days";
        QTest::newRow("German 1") << int(GEN_TEXT::German) << 1 << "Tag";
        QTest::newRow("German 5") << int(GEN_TEXT::German) << 5 << "Tage";
        QTest::newRow("Spanish 1") << int(GEN_TEXT::Spanish) << 1 << "día";
        QTest::newRow("Spanish -7") << int(GEN_TEXT::Spanish) << -7 << "días";
    }

    void dayWordIsSingularOnlyForOneAndMinusOne() {
        QFETCH(int, language);
        QFETCH(int, days);
        QFETCH(QString, word);
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        GEN_TEXT::currentLanguage = static_cast<GEN_TEXT::LanguageCode>(language);
        QCOMPARE(window.DayWord(days), word);
    }

    void weekdayNameFollowsTheNotation_data() {
        QTest::addColumn<int>("jdn");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("appended");
        QTest::newRow("CE") << 2456293 << int(datelib::CalendarKind::CE) << int(GEN_TEXT::English)
                            << ", Monday";
        QTest::newRow("JDN in Spanish")
            << 2456293 << int(datelib::CalendarKind::JDN) << int(GEN_TEXT::Spanish) << ", Lunes";
        QTest::newRow("AN Intercalarius") << 2456293 << int(datelib::CalendarKind::AN)
                                          << int(GEN_TEXT::English) << ", Intercalarius";
        QTest::newRow("AN new year")
            << 2456294 << int(datelib::CalendarKind::AN) << int(GEN_TEXT::German) << ", Primidi";
    }

    void weekdayNameFollowsTheNotation() {
        QFETCH(int, jdn);
        QFETCH(int, kind);
        QFETCH(int, language);
        QFETCH(QString, appended);
        FakeServices fakes;
        fakes.clock->now = {2012, 12, 30, 9, 0};
        frmMain window(fakes.ForWindow());
        GEN_TEXT::currentLanguage = static_cast<GEN_TEXT::LanguageCode>(language);
        Find<QPlainTextEdit>(window, "txbOutput")->setPlainText("2012-12-31 CE");
        CalendarDate date{};
        date.jdn = jdn;
        window.AppendWeekdayName(date, static_cast<datelib::CalendarKind>(kind));
        QCOMPARE(OutputText(window), "2012-12-31 CE" + appended);
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::QueriesTest)
#include "queries_test.moc"
