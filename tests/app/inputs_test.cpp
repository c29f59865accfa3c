// The input fields: what typing accepts, Enter, and the spin steps.
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

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

// clang-format off
const struct { const char *name, *box, *option, *typed, *kept; } kTypingRows[] = {
    {"letters never", "txbFirstDate", "optSeparatorIsDash", "2012-a12b", "2012-12"},
    {"decoration in dates", "txbSecondDate", "optSeparatorIsDash", "(-44) 1,2.3", "(-44) 1,2.3"},
    {"slash only as separator", "txbFirstDate", "optSeparatorIsDash", "2012/12/31", "20121231"},
    {"slash separator", "txbFirstDate", "optSeparatorIsSlash", "2012/12/31", "2012/12/31"},
    {"days digits and comma", "txbDateDiffDays", "optSeparatorIsDash", "-1,000.5 (x)", "-1,0005"},
    {"days without grouping", "txbDateDiffDays", "optThousSepNone", "1,000.5", "10005"},
    {"days grouped with dots", "txbDateDiffDays", "optThousSepIsDot", "1,000.5", "1000.5"},
};

// A bad date is reported while the arrow is still held, with the press held
// past the repeat delay: one message a click, and the box keeps its text.
const struct { const char *name, *box, *notation, *text; bool upper; const char *stepped, *message; } kSpinRows[] = {
    {"CE forward", "Second", "CE", "2012-12-31", true, "2013-01-01", ""},
    {"yyyyddd back", "First", "DIY", "2013001", false, "2012366", ""},
    {"empty box", "Second", "CE", "", true, "", ""},
    {"last yyyyddd day", "First", "DIY", "9999365", true, "9999365", "Result is out of range."},
    {"not a date", "First", "CE", "2013-02-29", true, "2013-02-29", "First date is not valid in calendar specified."},
    {"out of range", "Second", "JDN", "2,100,000,001", true, "2,100,000,001", "Second date is out of range."},
    {"past the last day number", "First", "JDN", "2,100,000,000", true, "2,100,000,000", "Result is out of range."},
};

// clang-format on

}  // namespace

class InputsTest : public WindowTest {
    Q_OBJECT

  private slots:
    void typingKeepsOnlyTheFieldCharacters_data() { AddTableRows(kTypingRows); }

    void typingKeepsOnlyTheFieldCharacters() {
        const auto& row = TableRow(kTypingRows);
        frmMain window(fakes_.ForWindow());
        Click(window, row.option);
        Type(window, row.box, row.typed);
        QCOMPARE(BoxText(window, row.box), QString(row.kept));
    }

    void theLimitStopsTypingButNotEditing() {
        frmMain window(fakes_.ForWindow());
        Type(window, "txbFirstDate", "1234567890123456789");
        QCOMPARE(BoxText(window, "txbFirstDate"), QString("123456789012345678"));
        QTest::keyClick(Find<QLineEdit>(window, "txbFirstDate"), Qt::Key_Backspace);
        Type(window, "txbFirstDate", "-");
        QCOMPARE(BoxText(window, "txbFirstDate"), QString("12345678901234567-"));
    }

    void enterComputesInEveryBoxAndInsertsNothing() {
        for (const QString& box : kInputBoxes) {
            frmMain window(fakes_.ForWindow());
            Type(window, "txbFirstDate", "2012-12-31");
            QTest::keyClick(Find<QLineEdit>(window, box), Qt::Key_Return);
            QCOMPARE(OutputText(window).trimmed(), QString("2012-12-31 CE, Monday"));
            QCOMPARE(BoxText(window, box), QString(box == kInputBoxes[0] ? "2012-12-31" : ""));
        }
    }

    void spinStepsReportBadDatesAndKeepTheText_data() { AddTableRows(kSpinRows); }

    void spinStepsReportBadDatesAndKeepTheText() {
        const auto& row = TableRow(kSpinRows);
        const QString box = QString("txb%1Date").arg(row.box);
        const QString message = row.message;
        frmMain window(fakes_.ForWindow());
        Click(window, QString("opt%1DateIs%2").arg(row.box, row.notation));
        Type(window, box, row.text);
        Type(window, "txbDateDiffDays", "3");
        Spin(window, row.box == QString("First") ? "VScroll(0)" : "VScroll(1)", row.upper,
             message.isEmpty() ? 0 : kLongerThanRepeatDelayMs);
        QCOMPARE(BoxText(window, box), QString(row.stepped));
        QCOMPARE(BoxText(window, "txbDateDiffDays"), QString());
        QCOMPARE(fakes_.messageBoxes->shown, ErrorBoxes(message));
    }

    void theSpinStepsNormallyAfterItsMessage() {
        frmMain window(fakes_.ForWindow());
        Type(window, "txbFirstDate", "2013-02-29");
        Spin(window, "VScroll(0)", true, kLongerThanRepeatDelayMs);
        Click(window, "cmdClearFirstDate");
        Type(window, "txbFirstDate", "2012-12-31");
        Spin(window, "VScroll(0)", true);
        QCOMPARE(BoxText(window, "txbFirstDate"), QString("2013-01-01"));
        QCOMPARE(fakes_.messageBoxes->shown.size(), 1);
    }

    // Tab reaches the spin control after its box; Up and Down then step the
    // date, again and again, without leaving the spin control.
    void theKeyboardReachesAndStepsTheSpin() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Type(window, "txbFirstDate", "2012-12-31");
        QTest::keyClick(Find<QLineEdit>(window, "txbFirstDate"), Qt::Key_Tab);
        QWidget* spin = Find<QScrollBar>(window, "VScroll(0)");
        for (const auto& [key, date] : {std::pair{Qt::Key_Up, "2013-01-01"},
                                        {Qt::Key_Up, "2013-01-02"},
                                        {Qt::Key_Down, "2013-01-01"}}) {
            QCOMPARE(QApplication::focusWidget(), spin);
            QTest::keyClick(spin, key);
            QCOMPARE(BoxText(window, "txbFirstDate"), QString(date));
        }
        QCOMPARE(QApplication::focusWidget(), spin);
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::InputsTest)
#include "inputs_test.moc"
