// Moving the second date into the first, and the Help, Calendars and
// Credits windows.
#include <QTimer>

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
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::CommandsTest)
#include "commands_test.moc"
