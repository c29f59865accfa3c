// The Compute command as a user runs it: options clicked, fields typed,
// Compute pressed; the output line, the fields, the unit word and any message.
// The rules themselves are tested without the window (tests/compute); these
// rows show that every control reaches them and every answer reaches the
// window.
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

const QString kEnd = QString::fromUtf8(kLineEnd);  // in messages; OutputText gives "\n"
using Answer = MessageBoxes::Answer;

constexpr int en = kEnglishEntry;
constexpr int de = kGermanEntry;
constexpr int es = kSpanishEntry;
const char* const kBeyond = "Error!|Result is out of range.";
const char* const kClearDays =
    "Error!|If both the first date and the second date are specified\nthen the date difference "
    "window must be empty.\n\nClear date difference?";

// clang-format off
// typed and fields: "first date|days|second date"; line and message empty when
// none; the message "title|text" with \n between its lines.
const struct { const char *name; int language; const char *clicks, *typed, *line, *fields, *unit, *message; Answer answer = Answer::Yes; } kComputeRows[] = {
    {"forward", en, "", "2012-12-31|10|", "2012-12-31 CE plus 10 days = 2013-01-10 CE, Thursday", "2012-12-31|10|2013-01-10", "days", ""},
    {"backward into JDN", en, "optFirstDateIsJDN", "|10|2013-01-10", "2013-01-10 CE minus 10 days = 2,456,293 JDN, Monday", "2,456,293|10|2013-01-10", "days", ""},
    {"blanks trimmed", en, "", " 2012-12-31 | 1 |", "2012-12-31 CE plus 1 day = 2013-01-01 CE, Tuesday", "2012-12-31|1|2013-01-01", "day", ""},
    {"dots for both separators", en, "optSeparatorIsDot optThousSepIsDot optSecondDateIsJDN", "2000.01.01||", "2000.01.01 CE = 2.451.545 JDN, Saturday", "2000.01.01||2.451.545", "days", ""},
    {"day first with slashes", en, "optDateFormatIsDMY optSeparatorIsSlash", "31/12/2012|1|", "31/12/2012 CE plus 1 day = 01/01/2013 CE, Tuesday", "31/12/2012|1|01/01/2013", "day", ""},
    {"nothing typed converts today", en, "optSecondDateIsJDN", "||", "2012-12-31 CE = 2,456,293 JDN, Monday", "2012-12-31||2,456,293", "days", ""},
    {"a lone day count is dropped", en, "", "|15|", "2012-12-31 CE, Monday", "2012-12-31||", "days", ""},
    {"Spanish names", es, "optSecondDateIsJDN", "2012-12-31|1|", "2012-12-31 CE más 1 día = 2,456,294 JDN, Martes", "2012-12-31|1|2,456,294", "día", ""},
    {"first date", en, "", "2013-02-29|1,0|", "", "2013-02-29|1,0|", "days", "Error!|First date is not valid in calendar specified."},
    {"German message", de, "", "2013-02-29||", "", "2013-02-29||", "Tage", "Fehler!|Erstes Datum ist in dem angegebenen Kalender nicht zulässig."},
    {"past the last day number", en, "optFirstDateIsJDN", "2100000000|1|", "2,100,000,000 JDN plus 1 day = Out of Range", "2,100,000,000|1|", "days", kBeyond},
    {"two dates and days, Yes", en, "", "2012-12-31|5|2013-01-01", "2013-01-01 CE minus 2012-12-31 CE = 1 day", "2012-12-31|1|2013-01-01", "day", kClearDays},
    {"two dates and days, No", en, "", "2012-12-31|5|2013-01-01", "", "2012-12-31|5|2013-01-01", "days", kClearDays, Answer::No},
    {"two dates and days, Cancel", en, "", "2012-12-31|5|2013-01-01", "", "2012-12-31|5|2013-01-01", "days", kClearDays, Answer::Cancel},
    // The window examples of the user guides: the quick start and the tasks.
    {"guide: quick start", en, "optSecondDateIsJC", "1582-10-15||", "1582-10-15 CE = 1582-10-05 JC, Friday", "1582-10-15||1582-10-05", "days", ""},
    {"guide: quick start in German", de, "optSecondDateIsJC", "1582-10-15||", "1582-10-15 CE = 1582-10-05 JC, Freitag", "1582-10-15||1582-10-05", "Tage", ""},
    {"guide: quick start in Spanish", es, "optSecondDateIsJC", "1582-10-15||", "1582-10-15 CE = 1582-10-05 JC, Viernes", "1582-10-15||1582-10-05", "días", ""},
    {"guide: a Julian date into CE", en, "optFirstDateIsJC", "1616-04-23||", "1616-04-23 JC = 1616-05-03 CE, Tuesday", "1616-04-23||1616-05-03", "days", ""},
    {"guide: a year BC, day first", en, "optDateFormatIsDMY optFirstDateIsJC", "15-03--43||", "15-03-(-43) JC = 13-03-(-43) CE, Wednesday", "15-03-(-43)||13-03-(-43)", "days", ""},
    {"guide: days between two dates", en, "", "2012-01-01||2013-03-15", "2013-03-15 CE minus 2012-01-01 CE = 439 days (1 year, 2 months, 14 days)", "2012-01-01|439|2013-03-15", "days", ""},
    {"guide: adding days", en, "", "2012-12-31|100|", "2012-12-31 CE plus 100 days = 2013-04-10 CE, Wednesday", "2012-12-31|100|2013-04-10", "days", ""},
    {"German question keeps its leading blank", de, "", "2012-12-31|5|2013-01-01", "", "2012-12-31|5|2013-01-01", "Tage", "Fehler!| Wenn sowohl Erstes als auch Zweites Datum angegeben sind,\nmuss das Feld für die Datumsdifferenz leer sein.\n\nLösche Datumsdifferenz?", Answer::No},
};
// clang-format on

// Chooses the language entry, clicks the option buttons, types "first
// date|days|second date" and presses Compute.
void Compute(frmMain& window, int language, const QString& clicks, const QString& typed) {
    if (language != kEnglishEntry) {
        ChooseLanguage(window, language);
    }
    ClickAll(window, clicks);
    TypeBoxes(window, typed);
    Click(window, "cmdCompute");
}

}  // namespace

class ComputeTest : public WindowTest {
    Q_OBJECT

  private slots:
    void writesTheLineTheFieldsAndTheMessage_data() { AddTableRows(kComputeRows); }

    void writesTheLineTheFieldsAndTheMessage() {
        const auto& row = TableRow(kComputeRows);
        fakes_.messageBoxes->answer = row.answer;
        frmMain window(fakes_.ForWindow());
        Compute(window, row.language, row.clicks, row.typed);
        QCOMPARE(OutputText(window), *row.line ? row.line + QString("\n") : QString());
        QCOMPARE(Boxes(window), QString(row.fields));
        QCOMPARE(LabelText(window, "lblDayOrDays"), QString(row.unit));
        QCOMPARE(
            fakes_.messageBoxes->shown,
            *row.message ? QStringList{QString(row.message).replace("\n", kEnd)} : QStringList());
    }

    // The difference fills the days field, so a second press finds three
    // fields and asks, and leaves the focus in the first date; the next
    // conversion starts a new line.
    void linesAccumulateAndASecondPressAsks() {
        fakes_.messageBoxes->answer = Answer::No;
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Compute(window, en, {}, "2012-12-31||2013-01-01");
        Click(window, "cmdCompute");
        QCOMPARE(fakes_.messageBoxes->shown.size(), 1);
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, "txbFirstDate"));
        Click(window, "cmdClearInputWindows");
        Compute(window, en, "optSecondDateIsJDN", "2013-01-01||");
        QCOMPARE(OutputText(window), QString("2013-01-01 CE minus 2012-12-31 CE = 1 day\n"
                                             "2013-01-01 CE = 2,456,294 JDN, Tuesday\n"));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::ComputeTest)
#include "compute_test.moc"
