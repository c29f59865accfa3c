// Start-up: the engine check, the window's title, defaults, focus and link
// labels.
#include "datelib/engine.h"
#include "engine_check.h"
#include "window_test_helpers.h"

namespace quillday::testing {

class StartupTest : public WindowTest {
    Q_OBJECT

  private slots:
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

QTEST_MAIN(quillday::testing::StartupTest)
#include "startup_test.moc"
