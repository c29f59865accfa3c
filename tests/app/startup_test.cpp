// Start-up: the window's controls, title, defaults and focus.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

#include "fakes.h"
#include "main_window_layout.h"
#include "texts/gen_text.h"
#include "window_test_helpers.h"

namespace quillday::testing {

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void everyControlStandsWhereItsTableSays() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        QCOMPARE(window.size(), QSize(716, 522));
        for (const ControlDesign& layout : MainWindowControls()) {
            const QString name = QString::fromUtf8(layout.name);
            const QWidget* control = Find<QWidget>(window, name);
            const QRect designed(layout.left / 15, layout.top / 15, layout.width / 15,
                                 layout.height / 15);
            if (name == "cmdCopyToClipboard") {
                // Its left edge and width follow its caption; its row stays.
                QCOMPARE(control->y(), designed.y());
                QCOMPARE(control->height(), designed.height());
            } else {
                QCOMPARE(control->geometry(), designed);
            }
            const QString container =
                layout.container.empty() ? QString("frmMain") : QString::fromUtf8(layout.container);
            QCOMPARE(control->parentWidget()->objectName(), container);
        }
    }

    void opensWithTheDefaultsAndTheFocusInTheFirstDateBox() {
        FakeServices fakes;
        fakes.clock->now = {2012, 12, 30, 9, 0};
        frmMain window(fakes.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QString("Quillday 7.3"));
        QCOMPARE(GEN_TEXT::currentLanguage, GEN_TEXT::English);
        QCOMPARE(window.GetDateOrder(), datelib::DateOrder::YMD);
        QCOMPARE(datelib::dateSeparator, std::string("-"));
        QCOMPARE(datelib::thousandsSeparator, std::string(","));
        QVERIFY(Find<QRadioButton>(window, "optSeparatorIsDash")->isChecked());
        QVERIFY(Find<QRadioButton>(window, "optThousSepIsComma")->isChecked());
        QCOMPARE(window.GetInputKind(1), datelib::CalendarKind::CE);
        QCOMPARE(window.GetInputKind(2), datelib::CalendarKind::CE);
        QCOMPARE(window.todayNotation, datelib::CalendarKind::CE);
        for (const char* box : {"txbFirstDate", "txbSecondDate", "txbDateDiffDays"}) {
            QCOMPARE(BoxText(window, box), QString());
        }
        QCOMPARE(OutputText(window), QString());
        QCOMPARE(window.maxInputLength, int16_t{18});
        QCOMPARE(window.settingsFilePath, fakes.settingsFilePath);
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, "txbFirstDate"));
    }

    void clockTicksEverySecond() {
        FakeServices fakes;
        frmMain window(fakes.ForWindow());
        const auto* clock = window.findChild<QTimer*>("Clock");
        QVERIFY(clock != nullptr);
        QVERIFY(clock->isActive());
        QCOMPARE(clock->interval(), 1000);
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
