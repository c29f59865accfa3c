// Start-up (the engine check, no display, the window's title, defaults, focus
// and link labels); what the Move, Clear and Today buttons and a new notation do to
// the boxes; the Help, Calendars and Credits windows.
#include "command_line.h"
#include "datelib/engine.h"
#include "engine_check.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

// before: option buttons clicked first; typed: "first|days|second"; after:
// the buttons clicked then; boxes: "first|days|second" afterwards; focus:
// where it ends (a date not re-expressed leaves it on the option button).
// clang-format off
const struct { const char *name, *before, *typed, *after, *boxes, *focus, *message; } kButtonRows[] = {
    {"move into JDN with ,", "optFirstDateIsJDN", "1||2001-01-01", "cmdMoveSecondDateToFirst", "2,451,911||", "txbDateDiffDays", ""},
    {"move into JDN with .", "optThousSepIsDot optFirstDateIsJDN", "1||2001-01-01", "cmdMoveSecondDateToFirst", "2.451.911||", "txbDateDiffDays", ""},
    {"move beside a day count", "", "1|5|2001-01-01", "cmdMoveSecondDateToFirst", "2001-01-01|5|", "txbDateDiffDays", ""},
    {"move JDN into AN", "optFirstDateIsAN optSecondDateIsJDN", "1||2451911", "cmdMoveSecondDateToFirst", "10520-01-01||", "txbDateDiffDays", ""},
    {"move JC into yyyyddd", "optFirstDateIsDIY optSecondDateIsJC", "1||2000-12-19", "cmdMoveSecondDateToFirst", "2001001||", "txbDateDiffDays", ""},
    {"move an empty date", "", "1||", "cmdMoveSecondDateToFirst", "1||", "txbFirstDate", ""},
    {"move a date not valid", "", "1||2013-02-29", "cmdMoveSecondDateToFirst", "1||2013-02-29", "txbSecondDate", "Second date is not valid in calendar specified."},
    {"move an AN date not valid", "optSecondDateIsAN", "1||10520-11-01", "cmdMoveSecondDateToFirst", "1||10520-11-01", "txbSecondDate", "Second date is not valid in the Annus Novus Calendar."},
    {"move a date out of range", "optSecondDateIsJDN", "1||2100000001", "cmdMoveSecondDateToFirst", "1||2100000001", "txbSecondDate", "Second date is out of range."},
    {"move a date without yyyyddd form", "optFirstDateIsDIY", "1||10000-01-01", "cmdMoveSecondDateToFirst", "1||10000-01-01", "txbSecondDate", "Result is out of range."},
    {"notation CE to JDN", "", " 2001-01-01 ||", "optFirstDateIsJDN", "2,451,911||", "txbDateDiffDays", ""},
    {"notation JDN to CE", "optFirstDateIsJDN", "2451911||", "optFirstDateIsCE", "2001-01-01||", "txbDateDiffDays", ""},
    {"notation CE to yyyyddd", "", "2012-12-31||", "optFirstDateIsDIY", "2012366||", "txbDateDiffDays", ""},
    {"notation to the last yyyyddd day", "optFirstDateIsJDN", "5373484||", "optFirstDateIsDIY", "9999365||", "txbDateDiffDays", ""},
    {"notation of a text not a date", "", "1,2||", "optFirstDateIsJDN", "1,2||", "optFirstDateIsJDN", ""},
    {"notation: no yyyyddd before year 1", "", "0-12-31||", "optFirstDateIsDIY", "0-12-31||", "optFirstDateIsDIY", ""},
    {"notation: no yyyyddd after year 9999", "optFirstDateIsJDN", "5373485||", "optFirstDateIsDIY", "5373485||", "optFirstDateIsDIY", ""},
    {"notation of an empty box", "", "||", "optSecondDateIsJDN", "||", "optSecondDateIsJDN", ""},
    {"clear the first date", "", "7|7|7", "cmdClearFirstDate", "|7|7", "txbFirstDate", ""},
    {"clear the second date", "", "7|7|7", "cmdClearSecondDate", "7|7|", "txbSecondDate", ""},
    {"clear the days", "", "7|7|7", "cmdClearDateDiffDays", "7||7", "txbDateDiffDays", ""},
    {"clear all", "", "7|7|7", "cmdClearInputWindows", "||", "txbFirstDate", ""},
    {"today as CE", "", "|12|7", "cmdToday(1)", "||2012-12-31", "txbSecondDate", ""},
    {"today as JDN", "optFirstDateIsJDN", "7|12|", "cmdToday(0)", "2,456,293||", "txbFirstDate", ""},
    {"today as yyyyddd", "optSecondDateIsDIY", "|12|", "cmdToday(1)", "||2012366", "txbSecondDate", ""},
};
// clang-format on

// What Qt looks at to choose its platform: arguments after the program's
// name, and "NAME=value" environment variables, both separated by blanks.
// lacks: whether Qt would look for a display that is not there.
// clang-format off
const struct { const char *name, *arguments, *environment; bool lacks; } kDisplayRows[] = {
    {"nothing named", "", "", true},
    {"an empty DISPLAY", "", "DISPLAY= WAYLAND_DISPLAY=", true},
    {"a Wayland session without its display", "", "XDG_SESSION_TYPE=wayland", true},
    {"-platform without a value", "-platform", "", true},
    {"-display without a value", "-display", "", true},
    {"DISPLAY", "", "DISPLAY=:0", false},
    {"WAYLAND_DISPLAY", "", "WAYLAND_DISPLAY=wayland-0", false},
    {"-display", "-display :1", "", false},
    {"--display", "--display :1", "", false},
    {"-platform offscreen", "-platform offscreen", "", false},
    {"--platform offscreen", "--platform offscreen", "", false},
    {"-platform after another option", "-style Fusion -platform minimal", "", false},
    {"QT_QPA_PLATFORM", "", "QT_QPA_PLATFORM=offscreen", false},
    {"an empty QT_QPA_PLATFORM", "", "QT_QPA_PLATFORM=", true},
};
// clang-format on

// The built program run without DISPLAY, WAYLAND_DISPLAY and
// QT_QPA_PLATFORM: its exit code and what it writes (regular expressions,
// matched whole). --help, --version and usage errors need no display.
// clang-format off
const struct { const char *name, *arguments; int status; const char *out, *err; } kNoDisplayRows[] = {
    {"the window", "", kNoDisplay, "", "qly734: no display: set DISPLAY or WAYLAND_DISPLAY, or run with -platform offscreen\n"},
    {"a Qt option", "-style Fusion", kNoDisplay, "", "qly734: no display: [^\n]*\n"},
    {"--version", "--version", 0, "qly734 [0-9.]+\n", ""},
    {"--help", "--help", 0, "Usage: .*--version.*", ""},
    {"a usage error", "--bogus", kUsageError, "", "qly734: Unknown option 'bogus'.\n.*"},
};
// clang-format on

QStringList Words(const char* text) {
    return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
}

// The program's command lines, as main() gets them, where no display is
// named: whether the window may start (no exit code) or the program ends.
// clang-format off
const struct { const char* name; const char* line; std::optional<int> exit; } kCommandLineRows[] = {
    {"nothing chosen", "qly734", kNoDisplay},
    {"a platform chosen", "qly734 -platform offscreen", std::nullopt},
    {"a platform after another option", "qly734 -style Fusion --platform offscreen", std::nullopt},
    {"a display named", "qly734 -display :1", std::nullopt},
};
// clang-format on

// Unsets environment variables for its lifetime, then puts them back.
class WithoutVariables {
  public:
    explicit WithoutVariables(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (qEnvironmentVariableIsSet(name)) {
                saved_.emplace_back(name, qgetenv(name));
            }
            qunsetenv(name);
        }
    }
    ~WithoutVariables() {
        for (const auto& [name, value] : saved_) {
            qputenv(name, value);
        }
    }
    WithoutVariables(const WithoutVariables&) = delete;
    WithoutVariables& operator=(const WithoutVariables&) = delete;

  private:
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

bool MatchesWhole(const QByteArray& text, const char* pattern) {
    const QRegularExpression expression(QRegularExpression::anchoredPattern(pattern),
                                        QRegularExpression::DotMatchesEverythingOption);
    return expression.match(QString::fromUtf8(text)).hasMatch();
}

}  // namespace

class CommandsTest : public WindowTest {
    Q_OBJECT

  private slots:
    void buttonsRewriteTheBoxesAndMoveTheFocus_data() { AddTableRows(kButtonRows); }

    void buttonsRewriteTheBoxesAndMoveTheFocus() {
        const auto& row = TableRow(kButtonRows);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ClickAll(window, row.before);
        TypeBoxes(window, row.typed);
        ClickAll(window, row.after);
        QCOMPARE(Boxes(window), QString(row.boxes));
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, row.focus));
        // A box that takes the focus has its caret after its text, nothing selected.
        if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            QVERIFY(!box->hasSelectedText());
            QCOMPARE(box->cursorPosition(), int(box->text().size()));
        }
        QCOMPARE(fakes_.messageBoxes->shown, ErrorBoxes(row.message));
    }

    // Help and Calendars open once, beside the main window and not modal;
    // Quit closes them.
    void helpAndCalendarsOpenOnceBesideTheMainWindow() {
        for (const auto& [button, windowClass] : {std::pair{"cmdHelp", "quillday::frmHelp"},
                                                  {"cmdCalendars", "quillday::frmCalendars"}}) {
            frmMain window(fakes_.ForWindow());
            window.move(40, 30);
            Click(window, button);
            Click(window, button);
            QWidgetList opened = QApplication::topLevelWidgets();
            opened.removeIf([windowClass](const QWidget* top) {
                return !top->isVisible() || QString(windowClass) != top->metaObject()->className();
            });
            QCOMPARE(opened.size(), 1);
            QVERIFY(!opened[0]->isModal());
            QCOMPARE(opened[0]->pos(), window.pos() + QPoint(2900 / 15, 3100 / 15));
            Click(window, "cmdQuit");
            QVERIFY(!opened[0]->isVisible());
        }
    }

    // Credits are modal, 2200 twips high with the frame, and give the focus
    // back when closed.
    void creditsAreModalSizedAndGiveTheFocusBack() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        int height = 0;
        QTimer::singleShot(0, [&] {
            QWidget* credits = QApplication::activeModalWidget();
            QVERIFY(credits != nullptr);
            height = credits->frameGeometry().height();
            QTest::mouseClick(Find<QPushButton>(*credits, "cmdClose"), Qt::LeftButton);
        });
        Click(window, "cmdCredits");
        QCOMPARE(height, 2200 / 15);
        QTRY_COMPARE(QApplication::focusWidget(), Find<QWidget>(window, "txbFirstDate"));
    }

    // Without its engine the program stops with one clear message.
    void aMissingEngineIsOneMessageAndNoStart() {
        QVERIFY(!EngineIsUsable(*fakes_.messageBoxes, [] {
            throw datelib::EngineLoadError("Cannot load the calendar engine libdaymath.so: gone");
        }));
        QCOMPARE(fakes_.messageBoxes->shown,
                 QStringList{"Quillday|Cannot load the calendar engine libdaymath.so: gone"});
        QVERIFY(EngineIsUsable(*fakes_.messageBoxes, [] { datelib::Engine(); }));
        QCOMPARE(fakes_.messageBoxes->shown.size(), 1);
    }

    void aDisplayIsMissingOnlyWhereQtWouldLookForOne_data() { AddTableRows(kDisplayRows); }

    void aDisplayIsMissingOnlyWhereQtWouldLookForOne() {
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN)
        QSKIP("only X11 and Wayland need a display named");
#endif
        const auto& row = TableRow(kDisplayRows);
        QProcessEnvironment environment;
        for (const QString& variable : Words(row.environment)) {
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        }
        QCOMPARE(LacksDisplay(Words(row.arguments), environment), row.lacks);
    }

    void theDisplayIsLookedForInTheArgumentsAfterTheProgramsName_data() {
        AddTableRows(kCommandLineRows);
    }

    void theDisplayIsLookedForInTheArgumentsAfterTheProgramsName() {
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN)
        QSKIP("only X11 and Wayland need a display named");
#endif
        const auto& row = TableRow(kCommandLineRows);
        const WithoutVariables noDisplay{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                                         "XDG_SESSION_TYPE"};
        std::vector<QByteArray> words;
        for (const QString& word : Words(row.line)) {
            words.push_back(word.toLocal8Bit());
        }
        std::vector<char*> argv;
        for (QByteArray& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        int argc = static_cast<int>(words.size());
        QCOMPARE(AnswerCommandLine(argc, argv.data()), row.exit);
    }

    void withoutADisplayTheProgramSaysSoInOneLine_data() {
        AddTableRows(kNoDisplayRows);
    }

    void withoutADisplayTheProgramSaysSoInOneLine() {
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN)
        QSKIP("only X11 and Wayland need a display named");
#endif
        const auto& row = TableRow(kNoDisplayRows);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
            environment.remove(QString::fromLatin1(variable));
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationDirPath() + "/qly734", Words(row.arguments));
        // Only a guard: a program that opened its window would never end.
        if (!program.waitForFinished(60000)) {
            program.kill();
            program.waitForFinished();
            QFAIL("the program did not end");
        }
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), row.status);
        const QByteArray out = program.readAllStandardOutput();
        const QByteArray err = program.readAllStandardError();
        QVERIFY2(MatchesWhole(out, row.out), out.constData());
        QVERIFY2(MatchesWhole(err, row.err), err.constData());
    }

    // Link labels are blue and underlined on the cyan window.
    void opensWithTheDefaultsAndTheFocusInTheFirstDateBox() {
        fakes_.clock->now = {2012, 12, 30, 9, 0};
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QString("Quillday 7.3"));
        QCOMPARE(Find<QComboBox>(window, "cboLanguage")->currentText(), QString("English"));
        for (const char* option : {"optDateFormatIsYMD", "optSeparatorIsDash", "optThousSepIsComma",
                                   "optFirstDateIsCE", "optSecondDateIsCE"}) {
            QVERIFY2(IsSelected(window, option), option);
        }
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Today is Sunday,\n2012-12-30 CE (09:00)."));
        QCOMPARE(Boxes(window) + OutputText(window), QString("||"));
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, "txbFirstDate"));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 255, 255));
        const QLabel* link = Find<QLabel>(window, "lblVarnholtWorks");
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(link->font().underline());
    }

    // Only the left button opens the user guide; a failure is reported.
    void linkLabelsOpenTheUserGuide() {
        frmMain window(fakes_.ForWindow());
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            ClickLabel(window, "lblOnlineDocumentation", button);
            ClickLabel(window, "lblVarnholtWorks", button);
        }
        QVERIFY(fakes_.webOpener->opened.isEmpty());
        ClickLabel(window, "lblOnlineDocumentation", Qt::LeftButton);
        ClickLabel(window, "lblVarnholtWorks", Qt::LeftButton);
        QCOMPARE(fakes_.webOpener->opened.size(), 2);
        for (const QString& address : fakes_.webOpener->opened) {
            QVERIFY(QFile::exists(QUrl(address).toLocalFile()));
        }
        QVERIFY(fakes_.messageBoxes->shown.isEmpty());
        fakes_.webOpener->succeeds = false;
        ClickLabel(window, "lblOnlineDocumentation", Qt::LeftButton);
        QCOMPARE(fakes_.messageBoxes->shown.size(), 1);
        QVERIFY(fakes_.messageBoxes->shown[0].endsWith(
            "|Error launching web browser. Please make sure that your web browser is correctly "
            "installed and configured"));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::CommandsTest)
#include "commands_test.moc"
