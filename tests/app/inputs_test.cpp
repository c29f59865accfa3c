// The input fields: what typing accepts, Enter, the clear buttons, the spin
// steps and a date following its box into a new notation.
#include <QApplication>
#include <QScrollBar>

#include "fakes.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

QLineEdit* Box(const frmMain& window, const char* name) {
    return Find<QLineEdit>(window, name);
}

// Longer than a scroll bar waits before it repeats a held arrow.
constexpr int kLongerThanRepeatDelayMs = 700;

// Clicks an arrow of a spin control, holding the button down for holdMs: the
// upper arrow steps forward.
void Spin(const frmMain& window, const QString& name, bool upper, int holdMs = 0) {
    QScrollBar* spin = Find<QScrollBar>(window, name);
    const QPoint arrow(spin->width() / 2, upper ? 2 : spin->height() - 3);
    QTest::mousePress(spin, Qt::LeftButton, {}, arrow);
    QTest::qWait(holdMs);
    QTest::mouseRelease(spin, Qt::LeftButton, {}, arrow);
}

}  // namespace

class InputsTest : public QObject {
    Q_OBJECT

  private:
    FakeServices fakes_;

  private slots:
    void init() {
        fakes_ = FakeServices();
        fakes_.clock->now = {2012, 12, 30, 9, 0};
    }

    void typingKeepsOnlyTheFieldCharacters_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("separatorOption");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("letters never") << "txbFirstDate"
                                       << "optSeparatorIsDash"
                                       << "2012-a12b"
                                       << "2012-12";
        QTest::newRow("decoration in dates") << "txbSecondDate"
                                             << "optSeparatorIsDash"
                                             << "(-44) 1,2.3"
                                             << "(-44) 1,2.3";
        QTest::newRow("slash only as separator") << "txbFirstDate"
                                                 << "optSeparatorIsDash"
                                                 << "2012/12/31"
                                                 << "20121231";
        QTest::newRow("slash separator") << "txbFirstDate"
                                         << "optSeparatorIsSlash"
                                         << "2012/12/31"
                                         << "2012/12/31";
        QTest::newRow("days digits and comma") << "txbDateDiffDays"
                                               << "optSeparatorIsDash"
                                               << "-1,000.5 (x)"
                                               << "-1,0005";
    }

    void typingKeepsOnlyTheFieldCharacters() {
        QFETCH(QString, box);
        QFETCH(QString, separatorOption);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        frmMain window(fakes_.ForWindow());
        Click(window, separatorOption);
        QTest::keyClicks(Find<QLineEdit>(window, box), typed);
        QCOMPARE(BoxText(window, box), kept);
    }

    void theLimitStopsTypingButNotEditing() {
        frmMain window(fakes_.ForWindow());
        QLineEdit* box = Box(window, "txbFirstDate");
        QTest::keyClicks(box, "1234567890123456789");
        QCOMPARE(box->text(), QString("123456789012345678"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString("12345678901234567"));
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(box->selectedText(), QString("7"));
        QTest::keyClicks(box, "-");
        QCOMPARE(box->text(), QString("234567890123456-"));
    }

    void enterComputesInEveryBoxAndInsertsNothing_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("first date") << "txbFirstDate";
        QTest::newRow("days") << "txbDateDiffDays";
        QTest::newRow("second date") << "txbSecondDate";
    }

    void enterComputesInEveryBoxAndInsertsNothing() {
        QFETCH(QString, box);
        frmMain window(fakes_.ForWindow());
        Box(window, "txbFirstDate")->setText("2012-12-31");
        QTest::keyClick(Find<QLineEdit>(window, box), Qt::Key_Return);
        QCOMPARE(OutputText(window).trimmed(), QString("2012-12-31 CE, Monday"));
        QCOMPARE(BoxText(window, box), box == "txbFirstDate" ? QString("2012-12-31") : QString());
    }

    void clearButtonsEmptyTheirBoxes() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const struct {
            const char* button;
            const char* emptied;
            const char* focused;
        } buttons[] = {{"cmdClearFirstDate", "txbFirstDate", "txbFirstDate"},
                       {"cmdClearSecondDate", "txbSecondDate", "txbSecondDate"},
                       {"cmdClearDateDiffDays", "txbDateDiffDays", "txbDateDiffDays"}};
        for (const auto& b : buttons) {
            for (const char* box : {"txbFirstDate", "txbSecondDate", "txbDateDiffDays"}) {
                Box(window, box)->setText("7");
            }
            Click(window, b.button);
            for (const char* box : {"txbFirstDate", "txbSecondDate", "txbDateDiffDays"}) {
                QCOMPARE(BoxText(window, box), QString(box == std::string(b.emptied) ? "" : "7"));
            }
            QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, b.focused));
        }
        Click(window, "cmdClearInputWindows");
        for (const char* box : {"txbFirstDate", "txbSecondDate", "txbDateDiffDays"}) {
            QCOMPARE(BoxText(window, box), QString());
        }
    }

    void spinStepsMoveTheDateByADay_data() {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("stepped");
        QTest::newRow("CE forward") << "CE"
                                    << "2012-12-31" << true << "2013-01-01";
        QTest::newRow("CE back") << "CE"
                                 << "2012-12-31" << false << "2012-12-30";
        QTest::newRow("JDN") << "JDN"
                             << "2,456,293" << true << "2,456,294";
        QTest::newRow("AN into the new year") << "AN"
                                              << "10531-11-01" << true << "10532-01-01";
        QTest::newRow("yyyyddd") << "DIY"
                                 << "2013001" << false << "2012366";
        QTest::newRow("empty box") << "CE"
                                   << "" << true << "";
    }

    void spinStepsMoveTheDateByADay() {
        QFETCH(QString, notation);
        QFETCH(QString, text);
        QFETCH(bool, upper);
        QFETCH(QString, stepped);
        frmMain window(fakes_.ForWindow());
        Find<QRadioButton>(window, "optSecondDateIs" + notation)->setChecked(true);
        Box(window, "txbSecondDate")->setText(text);
        Box(window, "txbDateDiffDays")->setText("3");
        Spin(window, "VScroll(1)", upper);
        QCOMPARE(BoxText(window, "txbSecondDate"), stepped);
        QCOMPARE(BoxText(window, "txbDateDiffDays"), QString());
        QCOMPARE(Find<QScrollBar>(window, "VScroll(1)")->value(), 0);
        QVERIFY(fakes_.messageBoxes->shown.isEmpty());
    }

    void spinStepsReportBadDatesAndKeepTheText_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("last yyyyddd day") << "First"
                                          << "DIY"
                                          << "9999365"
                                          << "Result is out of range.";
        QTest::newRow("not a date") << "First"
                                    << "CE"
                                    << "2013-02-29"
                                    << "First date is not valid in calendar specified.";
        QTest::newRow("not an AN date") << "Second"
                                        << "AN"
                                        << "10520-11-01"
                                        << "Second date is not valid in the Annus Novus Calendar.";
        QTest::newRow("out of range") << "Second"
                                      << "JDN"
                                      << "2,100,000,001"
                                      << "Second date is out of range.";
        QTest::newRow("past the last day number") << "First"
                                                  << "JDN"
                                                  << "2,100,000,000"
                                                  << "Result is out of range.";
    }

    void spinStepsReportBadDatesAndKeepTheText() {
        QFETCH(QString, box);
        QFETCH(QString, notation);
        QFETCH(QString, text);
        QFETCH(QString, message);
        frmMain window(fakes_.ForWindow());
        Find<QRadioButton>(window, "opt" + box + "DateIs" + notation)->setChecked(true);
        Find<QLineEdit>(window, "txb" + box + "Date")->setText(text);
        const QString spin = box == "First" ? "VScroll(0)" : "VScroll(1)";
        // The message box opens while the arrow is still held: one message a click.
        Spin(window, spin, true, kLongerThanRepeatDelayMs);
        QCOMPARE(fakes_.messageBoxes->shown, QStringList{"Error!|" + message});
        QCOMPARE(BoxText(window, "txb" + box + "Date"), text);
        QCOMPARE(Find<QScrollBar>(window, spin)->value(), 0);
    }

    // Tab reaches the spin control after its box; Up and Down then step the
    // date, again and again, without leaving the spin control.
    void theKeyboardReachesAndStepsTheSpin() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit* first = Box(window, "txbFirstDate");
        first->setText("2012-12-31");
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Tab);
        QWidget* spin = Find<QScrollBar>(window, "VScroll(0)");
        QCOMPARE(QApplication::focusWidget(), spin);
        const struct {
            Qt::Key key;
            const char* date;
        } steps[] = {
            {Qt::Key_Up, "2013-01-01"}, {Qt::Key_Up, "2013-01-02"}, {Qt::Key_Down, "2013-01-01"}};
        for (const auto& step : steps) {
            QTest::keyClick(spin, step.key);
            QCOMPARE(BoxText(window, "txbFirstDate"), QString(step.date));
            QCOMPARE(QApplication::focusWidget(), spin);
        }
    }

    void theSpinStepsNormallyAfterItsMessage() {
        frmMain window(fakes_.ForWindow());
        Box(window, "txbFirstDate")->setText("2013-02-29");
        Spin(window, "VScroll(0)", true, kLongerThanRepeatDelayMs);
        Box(window, "txbFirstDate")->setText("2012-12-31");
        Spin(window, "VScroll(0)", true);
        QCOMPARE(BoxText(window, "txbFirstDate"), QString("2013-01-01"));
        QCOMPARE(fakes_.messageBoxes->shown.size(), 1);
    }

    void aDateFollowsItsBoxIntoANewNotation_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("converted");
        QTest::newRow("CE to JC") << "CE"
                                  << "2012-12-31"
                                  << "JC"
                                  << "2012-12-18";
        QTest::newRow("CE to JC 2001") << "CE"
                                       << " 2001-01-01 "
                                       << "JC"
                                       << "2000-12-19";
        QTest::newRow("CE to JDN") << "CE"
                                   << "2001-01-01"
                                   << "JDN"
                                   << "2,451,911";
        QTest::newRow("CE to yyyyddd") << "CE"
                                       << "2012-12-31"
                                       << "DIY"
                                       << "2012366";
        QTest::newRow("JDN to AN") << "JDN"
                                   << "2451910"
                                   << "AN"
                                   << "10519-11-01";
        QTest::newRow("yyyyddd to CE") << "DIY"
                                       << "2012366"
                                       << "CE"
                                       << "2012-12-31";
        QTest::newRow("not a date") << "CE"
                                    << "abc"
                                    << "JDN"
                                    << "abc";
        QTest::newRow("no yyyyddd before year 1") << "CE"
                                                  << "0-12-31"
                                                  << "DIY"
                                                  << "0-12-31";
    }

    void aDateFollowsItsBoxIntoANewNotation() {
        QFETCH(QString, from);
        QFETCH(QString, text);
        QFETCH(QString, to);
        QFETCH(QString, converted);
        frmMain window(fakes_.ForWindow());
        Find<QRadioButton>(window, "optFirstDateIs" + from)->setChecked(true);
        Box(window, "txbFirstDate")->setText(text);
        Click(window, "optFirstDateIs" + to);
        QCOMPARE(BoxText(window, "txbFirstDate"), converted);
        QCOMPARE(window.firstDateNotation, window.GetInputKind(1));
        QVERIFY(fakes_.messageBoxes->shown.isEmpty());
    }

    void anEmptyBoxChangesNotationWithoutMovingTheFocus() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Box(window, "txbSecondDate")->setFocus();
        Find<QRadioButton>(window, "optFirstDateIsJDN")->setChecked(true);
        QCOMPARE(window.firstDateNotation, datelib::CalendarKind::JDN);
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, "txbSecondDate"));
        Box(window, "txbFirstDate")->setText("2,451,911");
        Find<QRadioButton>(window, "optFirstDateIsCE")->setChecked(true);
        QCOMPARE(BoxText(window, "txbFirstDate"), QString("2001-01-01"));
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, "txbDateDiffDays"));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::InputsTest)
#include "inputs_test.moc"
