// Moving the second date into the first, and the Help, Calendars and
// Credits windows.
#include <QApplication>
#include <QTimer>

#include "fakes.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

struct MoveRow {
    const char* name;
    const char* thousands;
    const char* secondKind;
    const char* second;
    const char* firstKind;
    const char* moved;
    const char* message;  // empty: moved
};

// clang-format off
const MoveRow kMoveRows[] = {
    {"JDN with ,", "optThousSepIsComma", "CE", "2001-01-01", "JDN", "2,451,911", ""},
    {"JDN with .", "optThousSepIsDot", "CE", "2001-01-01", "JDN", "2.451.911", ""},
    {"JDN without", "optThousSepNone", "CE", "2001-01-01", "JDN", "2451911", ""},
    {"JC", "optThousSepIsComma", "CE", "2001-01-01", "JC", "2000-12-19", ""},
    {"AN from JDN", "optThousSepIsComma", "JDN", "2451911", "AN", "10520-01-01", ""},
    {"yyyyddd from JC", "optThousSepIsComma", "JC", "2000-12-19", "DIY", "2001001", ""},
    {"not valid", "optThousSepIsComma", "CE", "2013-02-29", "CE", "", "Second date is not valid in calendar specified."},
    {"not valid AN", "optThousSepIsComma", "AN", "10520-11-01", "CE", "", "Second date is not valid in the Annus Novus Calendar."},
    {"out of range", "optThousSepIsComma", "JDN", "2100000001", "CE", "", "Second date is out of range."},
    {"no yyyyddd form", "optThousSepIsComma", "CE", "10000-01-01", "DIY", "", "Result is out of range."},
};
// clang-format on

}  // namespace

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
        Type(window, "txbFirstDate", "2001-01-01");
        QTest::mouseClick(Find<QLineEdit>(window, "txbSecondDate"), Qt::LeftButton);
        Click(window, "cmdMoveSecondDateToFirst");
        QCOMPARE(BoxText(window, "txbFirstDate"), QString("2001-01-01"));
        QCOMPARE(Focused(), Find<QWidget>(window, "txbFirstDate"));
    }

    void moveWritesTheDateInTheFirstNotation_data() { AddTableRows(kMoveRows); }

    void moveWritesTheDateInTheFirstNotation() {
        const MoveRow& row = TableRow(kMoveRows);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Click(window, row.thousands);
        Click(window, QString("optFirstDateIs") + row.firstKind);
        Click(window, QString("optSecondDateIs") + row.secondKind);
        Type(window, "txbFirstDate", "1");
        Type(window, "txbSecondDate", row.second);
        Click(window, "cmdMoveSecondDateToFirst");
        const bool moved = *row.message == 0;
        QCOMPARE(BoxText(window, "txbFirstDate"), QString(moved ? row.moved : "1"));
        QCOMPARE(BoxText(window, "txbSecondDate"), QString(moved ? "" : row.second));
        QCOMPARE(Focused(), Find<QWidget>(window, moved ? "txbDateDiffDays" : "txbSecondDate"));
        QCOMPARE(fakes_.messageBoxes->shown,
                 moved ? QStringList() : QStringList{QString("Error!|") + row.message});
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
        QTRY_COMPARE(Focused(), Find<QWidget>(window, "txbFirstDate"));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::CommandsTest)
#include "commands_test.moc"
