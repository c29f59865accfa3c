// The input fields: what typing accepts, Enter, the clear buttons, the spin
// steps and a date following its box into a new notation.
#include <QScrollBar>

#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

const QStringList kBoxes = {"txbFirstDate", "txbSecondDate", "txbDateDiffDays"};

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

// left: the boxes afterwards, "first|days|second".
const struct { const char *name, *button, *left, *focus; } kClearRows[] = {
    {"first date", "cmdClearFirstDate", "|7|7", "txbFirstDate"},
    {"second date", "cmdClearSecondDate", "7|7|", "txbSecondDate"},
    {"days", "cmdClearDateDiffDays", "7||7", "txbDateDiffDays"},
    {"all", "cmdClearInputWindows", "||", "txbFirstDate"},
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

// focus: where it ends; nothing re-expressed leaves it on the clicked button.
const struct { const char *name, *from, *text, *to, *converted, *focus; } kNotationRows[] = {
    {"CE to JDN", "CE", " 2001-01-01 ", "JDN", "2,451,911", "txbDateDiffDays"},
    {"JDN to CE", "JDN", "2451911", "CE", "2001-01-01", "txbDateDiffDays"},
    {"CE to yyyyddd", "CE", "2012-12-31", "DIY", "2012366", "txbDateDiffDays"},
    {"last yyyyddd day", "JDN", "5373484", "DIY", "9999365", "txbDateDiffDays"},
    {"not a date", "CE", "1,2", "JDN", "1,2", "optFirstDateIsJDN"},
    {"no yyyyddd before year 1", "CE", "0-12-31", "DIY", "0-12-31", "optFirstDateIsDIY"},
    {"no yyyyddd after year 9999", "JDN", "5373485", "DIY", "5373485", "optFirstDateIsDIY"},
    {"an empty box", "CE", "", "JDN", "", "optFirstDateIsJDN"},
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
        for (const QString& box : kBoxes) {
            frmMain window(fakes_.ForWindow());
            Type(window, "txbFirstDate", "2012-12-31");
            QTest::keyClick(Find<QLineEdit>(window, box), Qt::Key_Return);
            QCOMPARE(OutputText(window).trimmed(), QString("2012-12-31 CE, Monday"));
            QCOMPARE(BoxText(window, box), QString(box == kBoxes[0] ? "2012-12-31" : ""));
        }
    }

    void clearButtonsEmptyTheirBoxes_data() { AddTableRows(kClearRows); }

    void clearButtonsEmptyTheirBoxes() {
        const auto& row = TableRow(kClearRows);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const QString& box : kBoxes) {
            Type(window, box, "7");
        }
        Click(window, row.button);
        QCOMPARE(Boxes(window), QString(row.left));
        QCOMPARE(Focused(), Find<QWidget>(window, row.focus));
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
        QCOMPARE(fakes_.messageBoxes->shown,
                 message.isEmpty() ? QStringList() : QStringList{"Error!|" + message});
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
            QCOMPARE(Focused(), spin);
            QTest::keyClick(spin, key);
            QCOMPARE(BoxText(window, "txbFirstDate"), QString(date));
        }
        QCOMPARE(Focused(), spin);
    }

    void aDateFollowsItsBoxIntoANewNotation_data() { AddTableRows(kNotationRows); }

    void aDateFollowsItsBoxIntoANewNotation() {
        const auto& row = TableRow(kNotationRows);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Click(window, QString("optFirstDateIs") + row.from);
        Type(window, "txbFirstDate", row.text);
        Click(window, QString("optFirstDateIs") + row.to);
        QCOMPARE(BoxText(window, "txbFirstDate"), QString(row.converted));
        QCOMPARE(Focused(), Find<QWidget>(window, row.focus));
        QVERIFY(fakes_.messageBoxes->shown.isEmpty());
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::InputsTest)
#include "inputs_test.moc"
