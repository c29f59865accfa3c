// Start-up (the engine check, the window's title, defaults, focus and link
// labels), moving the second date into the first, and the Help, Calendars
// and Credits windows.
#include <QTimer>

#include "datelib/engine.h"
#include "engine_check.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

// The first box holds "1" before the move; focus: where it ends.
// clang-format off
const struct { const char *name, *thousands, *secondKind, *second, *firstKind, *first, *focus, *message; } kMoveRows[] = {
    {"JDN with ,", "optThousSepIsComma", "CE", "2001-01-01", "JDN", "2,451,911", "txbDateDiffDays", ""},
    {"JDN with .", "optThousSepIsDot", "CE", "2001-01-01", "JDN", "2.451.911", "txbDateDiffDays", ""},
    {"AN from JDN", "optThousSepIsComma", "JDN", "2451911", "AN", "10520-01-01", "txbDateDiffDays", ""},
    {"yyyyddd from JC", "optThousSepIsComma", "JC", "2000-12-19", "DIY", "2001001", "txbDateDiffDays", ""},
    {"empty second date", "optThousSepIsComma", "CE", "", "CE", "1", "txbFirstDate", ""},
    {"not valid", "optThousSepIsComma", "CE", "2013-02-29", "CE", "1", "txbSecondDate", "Second date is not valid in calendar specified."},
    {"not valid AN", "optThousSepIsComma", "AN", "10520-11-01", "CE", "1", "txbSecondDate", "Second date is not valid in the Annus Novus Calendar."},
    {"out of range", "optThousSepIsComma", "JDN", "2100000001", "CE", "1", "txbSecondDate", "Second date is out of range."},
    {"no yyyyddd form", "optThousSepIsComma", "CE", "10000-01-01", "DIY", "1", "txbSecondDate", "Result is out of range."},
};
// clang-format on

}  // namespace

class CommandsTest : public WindowTest {
    Q_OBJECT

  private slots:
    void moveWritesTheDateInTheFirstNotation_data() { AddTableRows(kMoveRows); }

    void moveWritesTheDateInTheFirstNotation() {
        const auto& row = TableRow(kMoveRows);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Click(window, row.thousands);
        Click(window, QString("optFirstDateIs") + row.firstKind);
        Click(window, QString("optSecondDateIs") + row.secondKind);
        Type(window, "txbFirstDate", "1");
        Type(window, "txbSecondDate", row.second);
        Click(window, "cmdMoveSecondDateToFirst");
        const QString message = row.message;
        QCOMPARE(BoxText(window, "txbFirstDate"), QString(row.first));
        QCOMPARE(BoxText(window, "txbSecondDate"), QString(message.isEmpty() ? "" : row.second));
        QCOMPARE(Focused(), Find<QWidget>(window, row.focus));
        QCOMPARE(fakes_.messageBoxes->shown,
                 message.isEmpty() ? QStringList() : QStringList{"Error!|" + message});
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
            QWidgetList opened;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->isVisible() && QString(windowClass) == top->metaObject()->className()) {
                    opened << top;
                }
            }
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
        QTRY_COMPARE(Focused(), Find<QWidget>(window, "txbFirstDate"));
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
        QCOMPARE(Focused(), Find<QWidget>(window, "txbFirstDate"));
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
