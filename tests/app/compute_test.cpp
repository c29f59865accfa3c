// The Compute command as a user runs it: options clicked, fields typed,
// Compute pressed; the output line, the fields, the unit word and any message.
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
    {"backward, negative days", en, "", "|-5|2013-01-10", "2013-01-10 CE plus 5 days = 2013-01-15 CE, Tuesday", "2013-01-15|-5|2013-01-10", "days", ""},
    {"to yyyyddd", en, "optSecondDateIsDIY", "2012-12-31||", "2012-12-31 CE = 2012366, Monday", "2012-12-31||2012366", "days", ""},
    {"to the first yyyyddd day", en, "optSecondDateIsDIY", "1-01-01||", "1-01-01 CE = 0001001, Monday", "1-01-01||0001001", "days", ""},
    {"AN into the new year", en, "optFirstDateIsAN optSecondDateIsAN", "10531-11-01|1|", "10531-11-01 AN plus 1 day = 10532-01-01 AN, Primidi", "10531-11-01|1|10532-01-01", "day", ""},
    {"same notation", en, "", "2012-12-31||", "2012-12-31 CE, Monday", "2012-12-31||", "days", ""},
    {"zero days", en, "optSecondDateIsJC", "2012-12-31|0|", "2012-12-31 CE plus 0 days = 2012-12-18 JC, Monday", "2012-12-31|0|2012-12-18", "days", ""},
    {"blanks trimmed", en, "", " 2012-12-31 | 1 |", "2012-12-31 CE plus 1 day = 2013-01-01 CE, Tuesday", "2012-12-31|1|2013-01-01", "day", ""},
    {"days read leniently", en, "", "2012-12-31|1,5|", "2012-12-31 CE plus 15 days = 2013-01-15 CE, Tuesday", "2012-12-31|15|2013-01-15", "days", ""},
    {"normalised inputs", en, "optFirstDateIsJDN", "2456293|1234567|", "2,456,293 JDN plus 1,234,567 days = 5393-02-16 CE, Saturday", "2,456,293|1,234,567|5393-02-16", "days", ""},
    {"dots for both separators", en, "optSeparatorIsDot optThousSepIsDot optSecondDateIsJDN", "2000.01.01||", "2000.01.01 CE = 2.451.545 JDN, Saturday", "2000.01.01||2.451.545", "days", ""},
    {"day first with slashes", en, "optDateFormatIsDMY optSeparatorIsSlash", "31/12/2012|1|", "31/12/2012 CE plus 1 day = 01/01/2013 CE, Tuesday", "31/12/2012|1|01/01/2013", "day", ""},
    {"month first, no grouping", en, "optDateFormatIsMDY optThousSepNone optSecondDateIsJDN", "12-31-2012||", "12-31-2012 CE = 2456293 JDN, Monday", "12-31-2012||2456293", "days", ""},
    {"nothing typed converts today", en, "optSecondDateIsJDN", "||", "2012-12-31 CE = 2,456,293 JDN, Monday", "2012-12-31||2,456,293", "days", ""},
    {"a lone day count is dropped", en, "", "|15|", "2012-12-31 CE, Monday", "2012-12-31||", "days", ""},
    {"difference with breakdown", en, "", "2012-01-01||2013-03-15", "2013-03-15 CE minus 2012-01-01 CE = 439 days (1 year, 2 months, 14 days)", "2012-01-01|439|2013-03-15", "days", ""},
    {"negative difference", en, "", "2013-03-15||2012-01-01", "2012-01-01 CE minus 2013-03-15 CE = -439 days", "2013-03-15|-439|2012-01-01", "days", ""},
    {"one month, negative rest", en, "", "2012-01-31||2012-03-01", "2012-03-01 CE minus 2012-01-31 CE = 30 days (1 month)", "2012-01-31|30|2012-03-01", "days", ""},
    {"same month, earlier day", en, "", "2012-03-15||2013-03-10", "2013-03-10 CE minus 2012-03-15 CE = 360 days (11 months, 23 days)", "2012-03-15|360|2013-03-10", "days", ""},
    {"zero days and two dates", en, "", "2012-12-31|0|2013-01-01", "2013-01-01 CE minus 2012-12-31 CE = 1 day", "2012-12-31|1|2013-01-01", "day", ""},
    {"years and a day", en, "optFirstDateIsJC optSecondDateIsJC", "2010-05-20||2013-05-21", "2013-05-21 JC minus 2010-05-20 JC = 1,097 days (3 years, 1 day)", "2010-05-20|1,097|2013-05-21", "days", ""},
    {"mixed notations", en, "optFirstDateIsJDN", "2456293||2013-03-15", "2013-03-15 CE minus 2,456,293 JDN = 74 days", "2,456,293|74|2013-03-15", "days", ""},
    {"JDN twice, no breakdown", en, "optFirstDateIsJDN optSecondDateIsJDN", "2456293||2456700", "2,456,700 JDN minus 2,456,293 JDN = 407 days", "2,456,293|407|2,456,700", "days", ""},
    {"yyyyddd across a year end", en, "optFirstDateIsDIY optSecondDateIsDIY", "2011300||2013010", "2013010 minus 2011300 = 441 days (1 year, 76 days)", "2011300|441|2013010", "days", ""},
    {"German breakdown", de, "", "2012-01-01||2013-03-15", "2013-03-15 CE minus 2012-01-01 CE = 439 Tage (1 Jahr, 2 Monate, 14 Tage)", "2012-01-01|439|2013-03-15", "Tage", ""},
    {"Spanish names", es, "optSecondDateIsJDN", "2012-12-31|1|", "2012-12-31 CE más 1 día = 2,456,294 JDN, Martes", "2012-12-31|1|2,456,294", "día", ""},
    {"first date", en, "", "2013-02-29|1,0|", "", "2013-02-29|1,0|", "days", "Error!|First date is not valid in calendar specified."},
    {"first AN date", en, "optFirstDateIsAN", "10520-11-01||", "", "10520-11-01||", "days", "Error!|First date is not valid in the Annus Novus Calendar."},
    {"first out of range", en, "optFirstDateIsJDN", "2100000001||", "", "2100000001||", "days", "Error!|First date is out of range."},
    {"days without digits", en, "", "2012-12-31|-|", "", "2012-12-31|-|", "days", "Error!|Date difference is not valid."},
    {"days too large", en, "", "|3000000000|2012-1-1", "", "|3000000000|2012-1-1", "days", "Error!|Date difference is out of range."},
    {"second date", en, "optSecondDateIsJC", "||2013-02-30", "", "||2013-02-30", "days", "Error!|Second date is not valid in calendar specified."},
    {"second AN date", en, "optSecondDateIsAN", "||10520-10-38", "", "||10520-10-38", "days", "Error!|Second date is not valid in the Annus Novus Calendar."},
    {"second out of range", en, "optSecondDateIsJDN", "||-2147483648", "", "||-2147483648", "days", "Error!|Second date is out of range."},
    {"both dates invalid", en, "", "2013-02-29||2013-13-01", "", "2013-02-29||2013-13-01", "days", "Error!|First date is not valid in calendar specified."},
    {"German message", de, "", "2013-02-29||", "", "2013-02-29||", "Tage", "Fehler!|Erstes Datum ist in dem angegebenen Kalender nicht zulässig."},
    {"past the last day number", en, "optFirstDateIsJDN", "2100000000|1|", "2,100,000,000 JDN plus 1 day = Out of Range", "2,100,000,000|1|", "days", kBeyond},
    {"before the first day number", en, "optFirstDateIsJDN optSecondDateIsJDN", "|1|-2100000000", "-2,100,000,000 JDN minus 1 day = Out of Range", "|1|-2,100,000,000", "days", kBeyond},
    {"no yyyyddd before year 1", en, "optSecondDateIsDIY", "0-12-31||", "0-12-31 CE = Out of Range", "0-12-31||", "days", kBeyond},
    {"no yyyyddd after year 9999", en, "optSecondDateIsDIY", "9999-12-31|1|", "9999-12-31 CE plus 1 day = Out of Range", "9999-12-31|1|", "days", kBeyond},
    {"two dates and days, Yes", en, "", "2012-12-31|5|2013-01-01", "2013-01-01 CE minus 2012-12-31 CE = 1 day", "2012-12-31|1|2013-01-01", "day", kClearDays},
    {"two dates and days, No", en, "", "2012-12-31|5|2013-01-01", "", "2012-12-31|5|2013-01-01", "days", kClearDays, Answer::No},
    {"two dates and days, Cancel", en, "", "2012-12-31|5|2013-01-01", "", "2012-12-31|5|2013-01-01", "days", kClearDays, Answer::Cancel},
    {"German question keeps its leading blank", de, "", "2012-12-31|5|2013-01-01", "", "2012-12-31|5|2013-01-01", "Tage", "Fehler!| Wenn sowohl Erstes als auch Zweites Datum angegeben sind,\nmuss das Feld für die Datumsdifferenz leer sein.\n\nLösche Datumsdifferenz?", Answer::No},
    {"32-bit overflow of a difference", es, "optFirstDateIsJDN optSecondDateIsJDN", "2100000000||-2100000000", "-2,100,000,000 JDN menos 2,100,000,000 JDN = Fuera de rango", "2,100,000,000||-2,100,000,000", "días", "Error!|El resultado está fuera de rango."},
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
