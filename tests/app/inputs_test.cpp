// The input fields: what typing accepts, Enter, the clear buttons, the spin
// steps and a date following its box into a new notation.
#include <QScrollBar>

#include "fakes.h"
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

struct TypingRow {
    const char* name;
    const char* box;
    const char* option;
    const char* typed;
    const char* kept;
};

// clang-format off
const TypingRow kTypingRows[] = {
    {"letters never", "txbFirstDate", "optSeparatorIsDash", "2012-a12b", "2012-12"},
    {"decoration in dates", "txbSecondDate", "optSeparatorIsDash", "(-44) 1,2.3", "(-44) 1,2.3"},
    {"slash only as separator", "txbFirstDate", "optSeparatorIsDash", "2012/12/31", "20121231"},
    {"slash separator", "txbFirstDate", "optSeparatorIsSlash", "2012/12/31", "2012/12/31"},
    {"days digits and comma", "txbDateDiffDays", "optSeparatorIsDash", "-1,000.5 (x)", "-1,0005"},
    {"days without grouping", "txbDateDiffDays", "optThousSepNone", "1,000.5", "10005"},
    {"days grouped with dots", "txbDateDiffDays", "optThousSepIsDot", "1,000.5", "1000.5"},
};
// clang-format on

struct SpinRow {
    const char* name;
    const char* box;  // First or Second
    const char* notation;
    const char* text;
    bool upper;
    const char* stepped;
    const char* message;
};

// clang-format off
const SpinRow kSpinRows[] = {
    {"CE forward", "Second", "CE", "2012-12-31", true, "2013-01-01", ""},
    {"CE back", "Second", "CE", "2012-12-31", false, "2012-12-30", ""},
    {"JC", "First", "JC", "2012-02-28", true, "2012-02-29", ""},
    {"JDN", "Second", "JDN", "2,456,293", true, "2,456,294", ""},
    {"AN into the new year", "Second", "AN", "10531-11-01", true, "10532-01-01", ""},
    {"yyyyddd", "First", "DIY", "2013001", false, "2012366", ""},
    {"empty box", "Second", "CE", "", true, "", ""},
    {"last yyyyddd day", "First", "DIY", "9999365", true, "9999365", "Result is out of range."},
    {"not a date", "First", "CE", "2013-02-29", true, "2013-02-29", "First date is not valid in calendar specified."},
    {"not an AN date", "Second", "AN", "10520-11-01", true, "10520-11-01", "Second date is not valid in the Annus Novus Calendar."},
    {"out of range", "Second", "JDN", "2,100,000,001", true, "2,100,000,001", "Second date is out of range."},
    {"past the last day number", "First", "JDN", "2,100,000,000", true, "2,100,000,000", "Result is out of range."},
};
// clang-format on

struct NotationRow {
    const char* name;
    const char* from;
    const char* text;
    const char* to;
    const char* converted;
    const char* focus;  // nothing re-expressed: the clicked button keeps it
};

// clang-format off
const NotationRow kNotationRows[] = {
    {"CE to JC", "CE", " 2012-12-31 ", "JC", "2012-12-18", "txbDateDiffDays"},
    {"CE to JDN", "CE", "2001-01-01", "JDN", "2,451,911", "txbDateDiffDays"},
    {"CE to yyyyddd", "CE", "2012-12-31", "DIY", "2012366", "txbDateDiffDays"},
    {"JDN to AN", "JDN", "2451910", "AN", "10519-11-01", "txbDateDiffDays"},
    {"yyyyddd to CE", "DIY", "2012366", "CE", "2012-12-31", "txbDateDiffDays"},
    {"last yyyyddd day", "JDN", "5373484", "DIY", "9999365", "txbDateDiffDays"},
    {"not a date", "CE", "1,2", "JDN", "1,2", "optFirstDateIsJDN"},
    {"no yyyyddd before year 1", "CE", "0-12-31", "DIY", "0-12-31", "optFirstDateIsDIY"},
    {"no yyyyddd after year 9999", "JDN", "5373485", "DIY", "5373485", "optFirstDateIsDIY"},
    {"an empty box", "CE", "", "JDN", "", "optFirstDateIsJDN"},
};
// clang-format on

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

    void typingKeepsOnlyTheFieldCharacters_data() { AddTableRows(kTypingRows); }

    void typingKeepsOnlyTheFieldCharacters() {
        const TypingRow& row = TableRow(kTypingRows);
        frmMain window(fakes_.ForWindow());
        Click(window, row.option);
        Type(window, row.box, row.typed);
        QCOMPARE(BoxText(window, row.box), QString(row.kept));
    }

    void theLimitStopsTypingButNotEditing() {
        frmMain window(fakes_.ForWindow());
        auto* box = Find<QLineEdit>(window, "txbFirstDate");
        QTest::keyClicks(box, "1234567890123456789");
        QCOMPARE(box->text(), QString("123456789012345678"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClicks(box, "-");
        QCOMPARE(box->text(), QString("234567890123456-"));
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

    void clearButtonsEmptyTheirBoxes_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("kept");  // the boxes left as typed
        QTest::addColumn<QString>("focus");
        QTest::newRow("first date")
            << "cmdClearFirstDate" << QStringList{"txbSecondDate", "txbDateDiffDays"}
            << "txbFirstDate";
        QTest::newRow("second date")
            << "cmdClearSecondDate" << QStringList{"txbFirstDate", "txbDateDiffDays"}
            << "txbSecondDate";
        QTest::newRow("days") << "cmdClearDateDiffDays"
                              << QStringList{"txbFirstDate", "txbSecondDate"} << "txbDateDiffDays";
        QTest::newRow("all") << "cmdClearInputWindows" << QStringList() << "txbFirstDate";
    }

    void clearButtonsEmptyTheirBoxes() {
        QFETCH(QString, button);
        QFETCH(QStringList, kept);
        QFETCH(QString, focus);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const QString& box : kBoxes) {
            Type(window, box, "7");
        }
        Click(window, button);
        for (const QString& box : kBoxes) {
            QCOMPARE(BoxText(window, box), QString(kept.contains(box) ? "7" : ""));
        }
        QCOMPARE(Focused(), Find<QWidget>(window, focus));
    }

    // A bad date shows its message while the arrow is still held: one
    // message a click, and the box keeps its text.
    void spinStepsReportBadDatesAndKeepTheText_data() { AddTableRows(kSpinRows); }

    void spinStepsReportBadDatesAndKeepTheText() {
        const SpinRow& row = TableRow(kSpinRows);
        const QString box = QString("txb%1Date").arg(row.box);
        frmMain window(fakes_.ForWindow());
        Click(window, QString("opt%1DateIs%2").arg(row.box, row.notation));
        Type(window, box, row.text);
        Type(window, "txbDateDiffDays", "3");
        const QString message = row.message;
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
        QCOMPARE(Focused(), spin);
        const struct {
            Qt::Key key;
            const char* date;
        } steps[] = {
            {Qt::Key_Up, "2013-01-01"}, {Qt::Key_Up, "2013-01-02"}, {Qt::Key_Down, "2013-01-01"}};
        for (const auto& step : steps) {
            QTest::keyClick(spin, step.key);
            QCOMPARE(BoxText(window, "txbFirstDate"), QString(step.date));
            QCOMPARE(Focused(), spin);
        }
    }

    void aDateFollowsItsBoxIntoANewNotation_data() { AddTableRows(kNotationRows); }

    void aDateFollowsItsBoxIntoANewNotation() {
        const NotationRow& row = TableRow(kNotationRows);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Click(window, QString("optFirstDateIs") + row.from);
        Type(window, "txbFirstDate", row.text);
        Click(window, QString("optFirstDateIs") + row.to);
        QCOMPARE(BoxText(window, "txbFirstDate"), QString(row.converted));
        QCOMPARE(Focused(), Find<QWidget>(window, row.focus));
        QVERIFY(fakes_.messageBoxes->shown.isEmpty());
    }

    // The box counts as holding the new notation even when its text stayed.
    void anUnchangedTextTakesTheNewNotation() {
        frmMain window(fakes_.ForWindow());
        Click(window, "optFirstDateIsJDN");
        Type(window, "txbFirstDate", "2451911");
        Click(window, "optFirstDateIsCE");
        QCOMPARE(BoxText(window, "txbFirstDate"), QString("2001-01-01"));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::InputsTest)
#include "inputs_test.moc"
