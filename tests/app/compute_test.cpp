// The Compute command through the real window: every example line, the
// written-back fields, and the edge cases of requests, validation and range.
#include <QScrollBar>
#include <utility>

#include "fakes.h"
#include "texts/gen_text.h"
#include "texts/line_end.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

const QString kEnd = QString::fromUtf8(kLineEnd);

enum class Entry {
    Typed,   // key by key, through the key filters
    Pasted,  // whole, past the key filters
};

// Selects the notations, enters the inputs (first kind, first date, days,
// second kind, second date) and presses Compute.
void Compute(frmMain& window, const QStringList& inputs, Entry entry = Entry::Typed) {
    Find<QRadioButton>(window, "optFirstDateIs" + inputs[0])->setChecked(true);
    Find<QRadioButton>(window, "optSecondDateIs" + inputs[3])->setChecked(true);
    const std::pair<const char*, QString> boxes[] = {
        {"txbFirstDate", inputs[1]}, {"txbDateDiffDays", inputs[2]}, {"txbSecondDate", inputs[4]}};
    for (const auto& [box, text] : boxes) {
        if (entry == Entry::Typed) {
            QTest::keyClicks(Find<QLineEdit>(window, box), text);
        } else {
            Find<QLineEdit>(window, box)->setText(text);
        }
    }
    Click(window, "cmdCompute");
}

QString DayUnit(const frmMain& window) {
    return LabelText(window, "lblDayOrDays");
}

}  // namespace

class ComputeTest : public QObject {
    Q_OBJECT

  private:
    FakeServices fakes_;

  private slots:
    void init() {
        fakes_ = FakeServices();
        fakes_.clock->now = {2012, 12, 30, 9, 0};  // no greeting in the output
    }
    void cleanup() { GEN_TEXT::currentLanguage = GEN_TEXT::English; }

    void writesTheLineAndTheAnswer_data() {
        QTest::addColumn<QStringList>("inputs");  // first kind, first, days, second kind, second
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");  // first, days, second afterwards
        QTest::addColumn<QString>("unit");
        const auto row = [](const char* name, QStringList inputs, const char* line,
                            QStringList fields, const char* unit) {
            QTest::newRow(name) << inputs << QString(line) << fields << QString(unit);
        };
        row("forward", {"CE", "2012-12-31", "10", "CE", ""},
            "2012-12-31 CE plus 10 days = 2013-01-10 CE, Thursday",
            {"2012-12-31", "10", "2013-01-10"}, "days");
        row("forward minus one", {"CE", "2012-12-31", "-1", "CE", ""},
            "2012-12-31 CE minus 1 day = 2012-12-30 CE, Sunday", {"2012-12-31", "-1", "2012-12-30"},
            "day");
        row("backward into JDN", {"JDN", "", "10", "CE", "2013-01-10"},
            "2013-01-10 CE minus 10 days = 2,456,293 JDN, Monday",
            {"2,456,293", "10", "2013-01-10"}, "days");
        row("backward with negative days", {"CE", "", "-5", "CE", "2013-01-10"},
            "2013-01-10 CE plus 5 days = 2013-01-15 CE, Tuesday",
            {"2013-01-15", "-5", "2013-01-10"}, "days");
        row("conversion to yyyyddd", {"CE", "2012-12-31", "", "DIY", ""},
            "2012-12-31 CE = 2012366, Monday", {"2012-12-31", "", "2012366"}, "days");
        row("conversion to AN", {"CE", "2012-12-31", "", "AN", ""},
            "2012-12-31 CE = 10531-11-01 AN, Intercalarius", {"2012-12-31", "", "10531-11-01"},
            "days");
        row("same notation", {"CE", "2012-12-31", "", "CE", ""}, "2012-12-31 CE, Monday",
            {"2012-12-31", "", ""}, "days");
        row("same notation yyyyddd", {"DIY", "2012366", "", "DIY", ""}, "2012366, Monday",
            {"2012366", "", "2012366"}, "days");
        row("zero days", {"CE", "2012-12-31", "0", "JC", ""},
            "2012-12-31 CE plus 0 days = 2012-12-18 JC, Monday", {"2012-12-31", "0", "2012-12-18"},
            "days");
        row("difference with breakdown", {"CE", "2012-01-01", "", "CE", "2013-03-15"},
            "2013-03-15 CE minus 2012-01-01 CE = 439 days (1 year, 2 months, 14 days)",
            {"2012-01-01", "439", "2013-03-15"}, "days");
        row("negative difference", {"CE", "2013-03-15", "", "CE", "2012-01-01"},
            "2012-01-01 CE minus 2013-03-15 CE = -439 days", {"2013-03-15", "-439", "2012-01-01"},
            "days");
        row("one month and a negative rest", {"CE", "2012-01-31", "", "CE", "2012-03-01"},
            "2012-03-01 CE minus 2012-01-31 CE = 30 days (1 month)",
            {"2012-01-31", "30", "2012-03-01"}, "days");
        row("one day", {"CE", "2012-12-31", "", "CE", "2013-01-01"},
            "2013-01-01 CE minus 2012-12-31 CE = 1 day", {"2012-12-31", "1", "2013-01-01"}, "day");
        row("exactly one year", {"CE", "2012-03-01", "", "CE", "2013-03-01"},
            "2013-03-01 CE minus 2012-03-01 CE = 365 days (1 year)",
            {"2012-03-01", "365", "2013-03-01"}, "days");
        row("equal dates", {"JC", "2012-12-18", "", "JC", "2012-12-18"},
            "2012-12-18 JC minus 2012-12-18 JC = 0 days", {"2012-12-18", "0", "2012-12-18"},
            "days");
        row("less than a month", {"AN", "10531-01-01", "", "AN", "10531-01-30"},
            "10531-01-30 AN minus 10531-01-01 AN = 29 days", {"10531-01-01", "29", "10531-01-30"},
            "days");
        row("mixed notations", {"JDN", "2456293", "", "CE", "2013-03-15"},
            "2013-03-15 CE minus 2,456,293 JDN = 74 days", {"2,456,293", "74", "2013-03-15"},
            "days");
        row("yyyyddd difference", {"DIY", "2012001", "", "DIY", "2013002"},
            "2013002 minus 2012001 = 367 days (1 year, 1 day)", {"2012001", "367", "2013002"},
            "days");
        row("normalised inputs", {"JDN", "2456293", "1234567", "CE", ""},
            "2,456,293 JDN plus 1,234,567 days = 5393-02-16 CE, Saturday",
            {"2,456,293", "1,234,567", "5393-02-16"}, "days");
    }

    void writesTheLineAndTheAnswer() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        QFETCH(QString, unit);
        frmMain window(fakes_.ForWindow());
        Compute(window, inputs);
        QCOMPARE(OutputText(window), line + kEnd);
        QCOMPARE(BoxText(window, "txbFirstDate"), fields[0]);
        QCOMPARE(BoxText(window, "txbDateDiffDays"), fields[1]);
        QCOMPARE(BoxText(window, "txbSecondDate"), fields[2]);
        QCOMPARE(DayUnit(window), unit);
        QVERIFY(fakes_.messageBoxes->shown.isEmpty());
    }

    void germanBreakdownKeepsItsCapitals() {
        frmMain window(fakes_.ForWindow());
        GEN_TEXT::currentLanguage = GEN_TEXT::German;
        Compute(window, {"CE", "2012-01-01", "", "CE", "2013-03-15"});
        QCOMPARE(OutputText(window),
                 "2013-03-15 CE minus 2012-01-01 CE = 439 Tage (1 Jahr, 2 Monate, 14 Tage)" + kEnd);
        QCOMPARE(DayUnit(window), QString("Tage"));
    }

    void nothingTypedConvertsToday() {
        frmMain window(fakes_.ForWindow());
        Compute(window, {"CE", "", "", "JDN", ""});
        QCOMPARE(OutputText(window), "2012-12-30 CE = 2,456,292 JDN, Sunday" + kEnd);
        QCOMPARE(BoxText(window, "txbFirstDate"), QString("2012-12-30"));
    }

    void aLoneDayCountIsDropped() {
        frmMain window(fakes_.ForWindow());
        Compute(window, {"CE", "", "15", "CE", ""});
        QCOMPARE(OutputText(window), "2012-12-30 CE, Sunday" + kEnd);
        QCOMPARE(BoxText(window, "txbDateDiffDays"), QString());
    }

    void surroundingBlanksAreTrimmedFirst() {
        frmMain window(fakes_.ForWindow());
        Find<QLineEdit>(window, "txbFirstDate")->setText("  2012-12-31 ");
        Find<QLineEdit>(window, "txbDateDiffDays")->setText(" 1 ");
        Click(window, "cmdCompute");
        QCOMPARE(OutputText(window), "2012-12-31 CE plus 1 day = 2013-01-01 CE, Tuesday" + kEnd);
    }

    void twoDatesAndZeroDaysComputeTheDifferenceWithoutAsking() {
        frmMain window(fakes_.ForWindow());
        Compute(window, {"CE", "2012-12-31", "0", "CE", "2013-01-01"});
        QVERIFY(fakes_.messageBoxes->shown.isEmpty());
        QCOMPARE(OutputText(window), "2013-01-01 CE minus 2012-12-31 CE = 1 day" + kEnd);
    }

    void twoDatesAndDaysAsk_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("output");
        QTest::newRow("Yes") << int(MessageBoxes::Answer::Yes)
                             << "2013-01-01 CE minus 2012-12-31 CE = 1 day" + kEnd;
        QTest::newRow("No") << int(MessageBoxes::Answer::No) << QString();
        QTest::newRow("Cancel") << int(MessageBoxes::Answer::Cancel) << QString();
    }

    void twoDatesAndDaysAsk() {
        QFETCH(int, answer);
        QFETCH(QString, output);
        fakes_.messageBoxes->answer = static_cast<MessageBoxes::Answer>(answer);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Compute(window, {"CE", "2012-12-31", "5", "CE", "2013-01-01"});
        QCOMPARE(fakes_.messageBoxes->shown,
                 QStringList{"Error!|If both the first date and the second date are specified" +
                             kEnd + "then the date difference window must be empty." + kEnd + kEnd +
                             "Clear date difference?"});
        QCOMPARE(OutputText(window), output);
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, "txbFirstDate"));
    }

    void aSecondPressAfterADifferenceAsks() {
        fakes_.messageBoxes->answer = MessageBoxes::Answer::No;
        frmMain window(fakes_.ForWindow());
        Compute(window, {"CE", "2012-12-31", "", "CE", "2013-01-01"});
        Click(window, "cmdCompute");
        QCOMPARE(fakes_.messageBoxes->shown.size(), 1);
    }

    void germanQuestionKeepsTheCapital() {
        fakes_.messageBoxes->answer = MessageBoxes::Answer::No;
        frmMain window(fakes_.ForWindow());
        GEN_TEXT::currentLanguage = GEN_TEXT::German;
        Compute(window, {"CE", "2012-12-31", "5", "CE", "2013-01-01"});
        QVERIFY(fakes_.messageBoxes->shown.value(0).startsWith(
            "Fehler!| Wenn sowohl Erstes als auch Zweites Datum angegeben sind,"));
        QVERIFY(fakes_.messageBoxes->shown.value(0).endsWith("Lösche Datumsdifferenz?"));
    }

    void theFirstInvalidInputWins_data() {
        QTest::addColumn<QStringList>("inputs");  // first kind, first, days, second kind, second
        QTest::addColumn<QString>("message");
        QTest::newRow("first date") << QStringList{"CE", "2013-02-29", "x1", "CE", ""}
                                    << "First date is not valid in calendar specified.";
        QTest::newRow("first AN date") << QStringList{"AN", "10520-11-01", "", "CE", ""}
                                       << "First date is not valid in the Annus Novus Calendar.";
        QTest::newRow("first out of range")
            << QStringList{"JDN", "2100000001", "", "CE", ""} << "First date is out of range.";
        QTest::newRow("days without digits")
            << QStringList{"CE", "2012-12-31", "-", "CE", ""} << "Date difference is not valid.";
        QTest::newRow("days too large") << QStringList{"CE", "2012-12-31", "3000000000", "CE", ""}
                                        << "Date difference is out of range.";
        QTest::newRow("second date") << QStringList{"CE", "", "", "JC", "2013-02-30"}
                                     << "Second date is not valid in calendar specified.";
        QTest::newRow("second AN date") << QStringList{"CE", "", "", "AN", "10520-10-38"}
                                        << "Second date is not valid in the Annus Novus Calendar.";
        QTest::newRow("second out of range")
            << QStringList{"CE", "", "", "JDN", "-2147483648"} << "Second date is out of range.";
        QTest::newRow("both dates invalid")
            << QStringList{"CE", "2013-02-29", "", "CE", "2013-13-01"}
            << "First date is not valid in calendar specified.";
    }

    void theFirstInvalidInputWins() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        frmMain window(fakes_.ForWindow());
        Compute(window, inputs, Entry::Pasted);
        QCOMPARE(fakes_.messageBoxes->shown, QStringList{"Error!|" + message});
        QCOMPARE(OutputText(window), QString());
        QVERIFY(window.inputError);
        QCOMPARE(BoxText(window, "txbDateDiffDays"), inputs[2]);
    }

    void messagesFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("message");
        QTest::newRow("German first date")
            << int(GEN_TEXT::German) << QStringList{"CE", "2013-02-29", "", "CE", ""}
            << "Fehler!|Erstes Datum ist in dem angegebenen Kalender nicht zulässig.";
        QTest::newRow("German days")
            << int(GEN_TEXT::German) << QStringList{"CE", "2012-12-31", "3000000000", "CE", ""}
            << "Fehler!|Datumsdifferenz ist ausserhalb des erlaubten Bereichs.";
        QTest::newRow("Spanish days")
            << int(GEN_TEXT::Spanish) << QStringList{"CE", "2012-12-31", "-", "CE", ""}
            << "Error!|Diferencia de fechas no es válida.";
        QTest::newRow("Spanish second AN date")
            << int(GEN_TEXT::Spanish) << QStringList{"CE", "", "", "AN", "10520-11-01"}
            << "Error!|La segunda fecha no es válida en Calendario Annus Novus.";
    }

    void messagesFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        frmMain window(fakes_.ForWindow());
        GEN_TEXT::currentLanguage = static_cast<GEN_TEXT::LanguageCode>(language);
        Compute(window, inputs, Entry::Pasted);
        QCOMPARE(fakes_.messageBoxes->shown, QStringList{message});
    }

    // Huge pasted texts end in a message or in nothing, never in a crash.
    void pastedFloodsAreHandled_data() {
        QTest::addColumn<QString>("flood");
        QTest::newRow("digits") << QString(10000, '9');
        QTest::newRow("dashes") << QString(10000, '-');
        QTest::newRow("date parts") << QString("2012-12-31 ").repeated(1000);
        QTest::newRow("mixed") << QString("(-,./ 7x\u00e9").repeated(800);
    }

    void pastedFloodsAreHandled() {
        QFETCH(QString, flood);
        for (const char* notation : {"CE", "JC", "AN", "JDN", "DIY"}) {
            frmMain window(fakes_.ForWindow());
            Find<QRadioButton>(window, QString("optFirstDateIs") + notation)->setChecked(true);
            for (const char* box : {"txbFirstDate", "txbDateDiffDays", "txbSecondDate"}) {
                Find<QLineEdit>(window, box)->setText(flood);
            }
            fakes_.messageBoxes->answer = MessageBoxes::Answer::Yes;
            Click(window, "cmdCompute");
            Find<QLineEdit>(window, "txbFirstDate")->setText(flood);
            window.VScroll_Change(0);
            Find<QScrollBar>(window, "VScroll(0)")->setValue(-1);
            Click(window, "optFirstDateIsJDN");
            Click(window, "optFirstDateIsCE");
            Find<QLineEdit>(window, "txbSecondDate")->setText(flood);
            Click(window, "cmdMoveSecondDateToFirst");
            QVERIFY(OutputText(window).size() < 100);
        }
    }

    void daysAreReadLeniently() {
        frmMain window(fakes_.ForWindow());
        Compute(window, {"CE", "2012-12-31", "1,5", "CE", ""});
        QCOMPARE(BoxText(window, "txbDateDiffDays"), QString("15"));
        QVERIFY(!window.inputError);
    }

    void resultsOutOfRangeEndTheLine_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("past the last day number")
            << int(GEN_TEXT::English) << QStringList{"JDN", "2100000000", "1", "CE", ""}
            << "2,100,000,000 JDN plus 1 day = Out of Range"
            << "Error!|Result is out of range.";
        QTest::newRow("yyyyddd before year 1")
            << int(GEN_TEXT::English) << QStringList{"CE", "0-12-31", "", "DIY", ""}
            << "0-12-31 CE = Out of Range"
            << "Error!|Result is out of range.";
        QTest::newRow("32-bit overflow of a difference")
            << int(GEN_TEXT::Spanish) << QStringList{"JDN", "2100000000", "", "JDN", "-2100000000"}
            << "-2.100.000.000 JDN menos 2.100.000.000 JDN = Fuera de rango"
            << "Error!|El resultado está fuera de rango.";
        QTest::newRow("Portuguese has no wording")
            << int(GEN_TEXT::Portuguese) << QStringList{"JDN", "", "-1", "JDN", "2100000000"}
            << "2,100,000,000 JDN positivo 1 dia = "
            << "Erro!|A resultado data está fora do intervalo.";
    }

    void resultsOutOfRangeEndTheLine() {
        QFETCH(int, language);
        QFETCH(QStringList, inputs);
        QFETCH(QString, line);
        QFETCH(QString, message);
        frmMain window(fakes_.ForWindow());
        GEN_TEXT::currentLanguage = static_cast<GEN_TEXT::LanguageCode>(language);
        if (language == GEN_TEXT::Spanish) {
            Click(window, "optThousSepIsDot");
        }
        Compute(window, inputs);
        QCOMPARE(OutputText(window), line + kEnd);
        QCOMPARE(fakes_.messageBoxes->shown, QStringList{message});
        QCOMPARE(DayUnit(window), QString("days"));
    }

    void linesAccumulate() {
        frmMain window(fakes_.ForWindow());
        Compute(window, {"CE", "2012-12-31", "", "JDN", ""});
        Click(window, "cmdClearInputWindows");
        Compute(window, {"CE", "2013-01-01", "", "JDN", ""});
        QCOMPARE(OutputText(window), "2012-12-31 CE = 2,456,293 JDN, Monday" + kEnd +
                                         "2013-01-01 CE = 2,456,294 JDN, Tuesday" + kEnd);
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::ComputeTest)
#include "compute_test.moc"
