// Moving the second date into the first, and quitting.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "fakes.h"
#include "window_test_helpers.h"

namespace quillday::testing {

class CommandsTest : public QObject {
    Q_OBJECT

  private:
    FakeServices fakes_;

  private slots:
    void init() {
        fakes_ = FakeServices();
        fakes_.clock->now = {2012, 12, 30, 9, 0};
    }

    void moveWithAnEmptySecondDateOnlyFocusesTheFirst() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Find<QLineEdit>(window, "txbFirstDate")->setText("2001-01-01");
        Find<QLineEdit>(window, "txbSecondDate")->setFocus();
        Click(window, "cmdMoveSecondDateToFirst");
        QCOMPARE(BoxText(window, "txbFirstDate"), QString("2001-01-01"));
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, "txbFirstDate"));
    }

    void moveWritesTheDateInTheFirstNotation_data() {
        QTest::addColumn<QString>("thousands");
        QTest::addColumn<QString>("secondKind");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("firstKind");
        QTest::addColumn<QString>("moved");
        QTest::newRow("JDN with ,") << "optThousSepIsComma"
                                    << "CE"
                                    << "2001-01-01"
                                    << "JDN"
                                    << "2,451,911";
        QTest::newRow("JDN with .") << "optThousSepIsDot"
                                    << "CE"
                                    << "2001-01-01"
                                    << "JDN"
                                    << "2.451.911";
        QTest::newRow("JDN without") << "optThousSepNone"
                                     << "CE"
                                     << "2001-01-01"
                                     << "JDN"
                                     << "2451911";
        QTest::newRow("JC") << "optThousSepIsComma"
                            << "CE"
                            << "2001-01-01"
                            << "JC"
                            << "2000-12-19";
        QTest::newRow("AN from JDN") << "optThousSepIsComma"
                                     << "JDN"
                                     << "2451911"
                                     << "AN"
                                     << "10520-01-01";
        QTest::newRow("yyyyddd from JC") << "optThousSepIsComma"
                                         << "JC"
                                         << "2000-12-19"
                                         << "DIY"
                                         << "2001001";
    }

    void moveWritesTheDateInTheFirstNotation() {
        QFETCH(QString, thousands);
        QFETCH(QString, secondKind);
        QFETCH(QString, second);
        QFETCH(QString, firstKind);
        QFETCH(QString, moved);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Click(window, thousands);
        Find<QRadioButton>(window, "optSecondDateIs" + secondKind)->setChecked(true);
        Find<QRadioButton>(window, "optFirstDateIs" + firstKind)->setChecked(true);
        Find<QLineEdit>(window, "txbSecondDate")->setText(second);
        Click(window, "cmdMoveSecondDateToFirst");
        QCOMPARE(BoxText(window, "txbFirstDate"), moved);
        QCOMPARE(BoxText(window, "txbSecondDate"), QString());
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, "txbDateDiffDays"));
    }

    void moveOfABadDateShowsItsMessageAndKeepsBothBoxes_data() {
        QTest::addColumn<QString>("secondKind");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("firstKind");
        QTest::addColumn<QString>("message");
        QTest::newRow("not valid") << "CE"
                                   << "2013-02-29"
                                   << "CE"
                                   << "Error!|Second date is not valid in calendar specified.";
        QTest::newRow("not valid AN")
            << "AN"
            << "10520-11-01"
            << "CE"
            << "Error!|Second date is not valid in the Annus Novus Calendar.";
        QTest::newRow("out of range") << "JDN"
                                      << "2100000001"
                                      << "CE"
                                      << "Error!|Second date is out of range.";
        QTest::newRow("no yyyyddd form") << "CE"
                                         << "10000-01-01"
                                         << "DIY"
                                         << "Error!|Result is out of range.";
    }

    void moveOfABadDateShowsItsMessageAndKeepsBothBoxes() {
        QFETCH(QString, secondKind);
        QFETCH(QString, second);
        QFETCH(QString, firstKind);
        QFETCH(QString, message);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Click(window, "optFirstDateIs" + firstKind);
        Click(window, "optSecondDateIs" + secondKind);
        Find<QLineEdit>(window, "txbFirstDate")->setText("1");
        Find<QLineEdit>(window, "txbSecondDate")->setText(second);
        Click(window, "cmdMoveSecondDateToFirst");
        QCOMPARE(fakes_.messageBoxes->shown, QStringList{message});
        QCOMPARE(BoxText(window, "txbFirstDate"), QString("1"));
        QCOMPARE(BoxText(window, "txbSecondDate"), second);
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, "txbSecondDate"));
    }

    void helpAndCalendarsOpenOnceBesideTheMainWindow_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("windowClass");
        QTest::newRow("Help") << "cmdHelp"
                              << "quillday::frmHelp";
        QTest::newRow("Calendars") << "cmdCalendars"
                                   << "quillday::frmCalendars";
    }

    void helpAndCalendarsOpenOnceBesideTheMainWindow() {
        QFETCH(QString, button);
        QFETCH(QString, windowClass);
        frmMain window(fakes_.ForWindow());
        window.move(40, 30);
        Click(window, button);
        QWidget* opened = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && windowClass == top->metaObject()->className()) {
                QVERIFY(opened == nullptr);
                opened = top;
            }
        }
        QVERIFY(opened != nullptr);
        QVERIFY(!opened->isModal());
        QCOMPARE(opened->pos(), window.pos() + QPoint(2900 / 15, 3100 / 15));

        opened->showMinimized();
        window.move(100, 100);
        Click(window, button);
        QVERIFY(!opened->isMinimized());
        QCOMPARE(opened->pos(), QPoint(40, 30) + QPoint(2900 / 15, 3100 / 15));
        Click(window, button);
        QCOMPARE(opened->pos(), QPoint(100, 100) + QPoint(2900 / 15, 3100 / 15));

        QTest::mouseClick(Find<QPushButton>(*opened, "cmdClose"), Qt::LeftButton);
        QVERIFY(!opened->isVisible());
        Click(window, button);
        QVERIFY(opened->isVisible());
        Click(window, "cmdQuit");
        QVERIFY(!opened->isVisible());
    }

    void creditsAreModalSizedAndGiveTheFocusBack() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSize size;
        int textHeight = 0;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget* credits = QApplication::activeModalWidget();
            QVERIFY(credits != nullptr);
            modal = true;
            size = credits->frameGeometry().size();
            textHeight = Find<QWidget>(*credits, "txbMsg")->height();
            QTest::mouseClick(Find<QPushButton>(*credits, "cmdClose"), Qt::LeftButton);
        });
        Click(window, "cmdCredits");
        QVERIFY(modal);
        QCOMPARE(size.height(), 2200 / 15);
        QCOMPARE(textHeight, 1200 / 15);
        QTRY_COMPARE(QApplication::focusWidget(), Find<QWidget>(window, "txbFirstDate"));
    }

    void quitAndTheCloseBoxWriteTheSameSettings() {
        QTemporaryDir folder;
        QByteArray written[2];
        for (int way = 0; way < 2; ++way) {
            fakes_.settingsFilePath = folder.filePath(QString("qly5-%1.usr").arg(way));
            frmMain window(fakes_.ForWindow());
            Click(window, "optDateFormatIsDMY");
            Click(window, "optSecondDateIsAN");
            if (way == 0) {
                Click(window, "cmdQuit");
            } else {
                window.close();
            }
            QVERIFY(!window.isVisible());
            QFile file(fakes_.settingsFilePath);
            QVERIFY(file.open(QIODevice::ReadOnly));
            written[way] = file.readAll();
        }
        QCOMPARE(written[0], QByteArray("0\r\n1,45,44\r\n0,0,3\r\n"));
        QCOMPARE(written[1], written[0]);
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::CommandsTest)
#include "commands_test.moc"
