// Start-up: the window's controls, title, defaults and focus.
#include <QFile>
#include <QUrl>

#include "fakes.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

constexpr int kTwips = 15;

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    // Design positions in twips, as the window's designer placed them.
    void controlsStandWhereTheyWereDesigned() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        QCOMPARE(window.size(), QSize(10740, 7830) / kTwips);
        const struct {
            const char* name;
            const char* container;
            QRect twips;
        } controls[] = {
            {"cboLanguage", "frmMain", {8925, 140, 1695, 360}},
            {"txbFirstDate", "Frame3", {0, 420, 2450, 360}},
            {"lblTodaysDate", "Frame3", {65, 2780, 3270, 705}},
            {"cmdCompute", "Frame3", {8770, 3055, 1680, 330}},
            {"optSeparatorIsDot", "frmDateSeparator", {1800, 0, 1590, 255}},
            {"txbOutput", "Frame6", {60, 20, 10410, 1900}},
        };
        for (const auto& c : controls) {
            const QWidget* control = Find<QWidget>(window, c.name);
            QCOMPARE(control->parentWidget()->objectName(), QString(c.container));
            const QRect& t = c.twips;
            QCOMPARE(control->geometry(), QRect(t.x() / kTwips, t.y() / kTwips, t.width() / kTwips,
                                                t.height() / kTwips));
        }
    }

    void opensWithTheDefaultsAndTheFocusInTheFirstDateBox() {
        FakeServices fakes;
        fakes.clock->now = {2012, 12, 30, 9, 0};
        frmMain window(fakes.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QString("Quillday 7.3"));
        QCOMPARE(Find<QComboBox>(window, "cboLanguage")->currentText(), QString("English"));
        for (const char* option : {"optDateFormatIsYMD", "optSeparatorIsDash", "optThousSepIsComma",
                                   "optFirstDateIsCE", "optSecondDateIsCE"}) {
            QVERIFY2(IsSelected(window, option), option);
        }
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Today is Sunday,\n2012-12-30 CE (09:00)."));
        for (const char* box : {"txbFirstDate", "txbSecondDate", "txbDateDiffDays"}) {
            QCOMPARE(BoxText(window, box), QString());
        }
        QCOMPARE(OutputText(window), QString());
        QCOMPARE(Focused(), Find<QWidget>(window, "txbFirstDate"));
    }

    void linkLabelsOpenTheUserGuide() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            ClickLabel(window, "lblOnlineDocumentation", button);
            ClickLabel(window, "lblVarnholtWorks", button);
        }
        QVERIFY(fakes.webOpener->opened.isEmpty());
        ClickLabel(window, "lblOnlineDocumentation", Qt::LeftButton);
        ClickLabel(window, "lblVarnholtWorks", Qt::LeftButton);
        QCOMPARE(fakes.webOpener->opened.size(), 2);
        for (const QString& address : fakes.webOpener->opened) {
            const QUrl url(address);
            QVERIFY(url.isLocalFile());
            QVERIFY(QFile::exists(url.toLocalFile()));
        }
        QVERIFY(fakes.messageBoxes->shown.isEmpty());
        fakes.webOpener->succeeds = false;
        ClickLabel(window, "lblOnlineDocumentation", Qt::LeftButton);
        QCOMPARE(fakes.messageBoxes->shown.size(), 1);
    }

    void linkLabelsAreBlueAndUnderlinedOnCyan() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 255, 255));
        for (const char* name : {"lblVarnholtWorks", "lblOnlineDocumentation"}) {
            const QLabel* link = Find<QLabel>(window, name);
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QVERIFY(link->font().underline());
        }
        QCOMPARE(Find<QLabel>(window, "lblFirstDate")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 0));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::StartupTest)
#include "startup_test.moc"
