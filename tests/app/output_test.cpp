// The output window: clearing, copying whole or selected text, and the copy
// button following the selection.
#include <QContextMenuEvent>
#include <QMenu>

#include "fakes.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

constexpr int kTwips = 15;
// The report of a conversion, and where its day number stands in it.
const QString kReport = "2012-12-31 CE = 2,456,293 JDN, Monday";
const QString kDayNumber = "2,456,293";
constexpr int kDayNumberFrom = 16;
constexpr int kDayNumberTo = 25;

QPlainTextEdit* Output(const frmMain& window) {
    return Find<QPlainTextEdit>(window, "txbOutput");
}
QPushButton* CopyButton(const frmMain& window) {
    return Find<QPushButton>(window, "cmdCopyToClipboard");
}

// Computes the report into the output window.
void WriteReport(const frmMain& window) {
    Click(window, "optSecondDateIsJDN");
    Type(window, "txbFirstDate", "2012-12-31");
    Click(window, "cmdCompute");
}

// Drags across the output from one character position to another.
void DragInOutput(const frmMain& window, int from, int to) {
    QPlainTextEdit* output = Output(window);
    QTextCursor cursor = output->textCursor();
    cursor.setPosition(from);
    const QPoint start = output->cursorRect(cursor).center();
    cursor.setPosition(to);
    const QPoint end = output->cursorRect(cursor).center();
    QTest::mousePress(output->viewport(), Qt::LeftButton, {}, start);
    QTest::mouseMove(output->viewport(), end);
    QTest::mouseRelease(output->viewport(), Qt::LeftButton, {}, end);
}

// The copy button of that width, centred between the maker's label (ending
// at 3165 twips) and the Quit button (at 8955), on its designed row.
QRect Placed(int widthTwips) {
    return QRect((3165 + (8955 - 3165 - widthTwips) / 2) / kTwips, 2050 / kTwips,
                 widthTwips / kTwips, 330 / kTwips);
}

struct CopyButtonRow {
    const char* name;
    int entry;
    const char* selectedCaption;
    int selectedWidth;  // twips
    const char* caption;
    int width;
};

// clang-format off
const CopyButtonRow kCopyButtons[] = {
    {"English", kEnglishEntry, "Copy selected text to clipboard", 3750, "Copy to clipboard", 2500},
    {"German", kGermanEntry, "Kopieren ausgewählter Text in Zwischenablage", 5000, "Kopieren in Zwischenablage", 3500},
    {"Spanish", kSpanishEntry, "Copie el texto seleccionado al sujetapapeles", 5000, "Copie al sujetapapeles", 3000},
};
// clang-format on

}  // namespace

class OutputTest : public QObject {
    Q_OBJECT

  private:
    FakeServices fakes_;

  private slots:
    void init() {
        fakes_ = FakeServices();
        fakes_.clock->now = {2012, 12, 30, 9, 0};
    }

    void clearEmptiesTheOutputAndFocusesTheFirstDate() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        WriteReport(window);
        Click(window, "cmdClearOutputWindow");
        QCOMPARE(OutputText(window), QString());
        auto* first = Find<QLineEdit>(window, "txbFirstDate");
        QCOMPARE(Focused(), first);
        QCOMPARE(first->cursorPosition(), 10);
    }

    void copyPlacesTheWholeReportReplacingTheClipboard_data() {
        QTest::addColumn<bool>("report");
        QTest::newRow("a report") << true;
        QTest::newRow("an empty output") << false;
    }

    void copyPlacesTheWholeReportReplacingTheClipboard() {
        QFETCH(bool, report);
        frmMain window(fakes_.ForWindow());
        if (report) {
            WriteReport(window);
        }
        QGuiApplication::clipboard()->setText("held before");
        Click(window, "cmdCopyToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(), OutputText(window));
        QVERIFY(OutputText(window).startsWith(report ? kReport : QString()));
    }

    void copyTakesTheSelectionTheUserMade() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        WriteReport(window);
        DragInOutput(window, kDayNumberFrom, kDayNumberTo);
        Click(window, "cmdCopyToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(), kDayNumber);
        QCOMPARE(CopyButton(window)->text(), QString("Copy to clipboard"));
        QCOMPARE(Focused(), Find<QWidget>(window, "txbFirstDate"));
        Click(window, "cmdCopyToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(), OutputText(window));
    }

    // Pressing the copy button keeps the output's selection for that click
    // only: a press that slides off and is released elsewhere copies nothing,
    // and the next copy takes the whole output, as its caption says.
    void anAbandonedPressKeepsNoSelection_data() {
        QTest::addColumn<bool>("clickElsewhereFirst");
        QTest::newRow("copy again at once") << false;
        QTest::newRow("click elsewhere, then copy") << true;
    }

    void anAbandonedPressKeepsNoSelection() {
        QFETCH(bool, clickElsewhereFirst);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        WriteReport(window);
        DragInOutput(window, kDayNumberFrom, kDayNumberTo);
        QPushButton* copy = CopyButton(window);
        QTest::mousePress(copy, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(copy, QPoint(-40, -40));
        QTest::mouseRelease(copy, Qt::LeftButton, {}, QPoint(-40, -40));
        QGuiApplication::clipboard()->setText("held before");
        QCoreApplication::processEvents();
        if (clickElsewhereFirst) {
            QTest::mouseClick(Find<QLineEdit>(window, "txbSecondDate"), Qt::LeftButton);
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("held before"));
        Click(window, "cmdCopyToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(), OutputText(window));
    }

    // The output's own context menu and a switch to another window take the
    // focus for a moment; the selection stays for the user to copy.
    void theSelectionOutlivesItsContextMenu() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        WriteReport(window);
        DragInOutput(window, kDayNumberFrom, kDayNumberTo);
        QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(Output(window), &deactivated);
        QCOMPARE(CopyButton(window)->text(), QString("Copy selected text to clipboard"));
        QGuiApplication::clipboard()->setText("held before");
        QWidget* viewport = Output(window)->viewport();
        const QPoint inside(20, 5);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, inside,
                                    viewport->mapToGlobal(inside));
        QCoreApplication::sendEvent(viewport, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text().contains("Copy")) {
                action->trigger();
            }
        }
        menu->close();
        QCOMPARE(QGuiApplication::clipboard()->text(), kDayNumber);
        QCOMPARE(CopyButton(window)->text(), QString("Copy selected text to clipboard"));
    }

    void theButtonFollowsTheSelection_data() { AddTableRows(kCopyButtons); }

    void theButtonFollowsTheSelection() {
        const CopyButtonRow& row = TableRow(kCopyButtons);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ChooseLanguage(window, row.entry);
        WriteReport(window);
        DragInOutput(window, 0, 10);
        QCOMPARE(CopyButton(window)->text(), QString(row.selectedCaption));
        QCOMPARE(CopyButton(window)->geometry(), Placed(row.selectedWidth));
        QTest::mouseClick(Find<QLineEdit>(window, "txbSecondDate"), Qt::LeftButton);
        QCOMPARE(CopyButton(window)->text(), QString(row.caption));
        QCOMPARE(CopyButton(window)->geometry(), Placed(row.width));
        QVERIFY(!Output(window)->textCursor().hasSelection());
    }

    void tabLeavesTheOutputUnchanged() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        WriteReport(window);
        const QString report = OutputText(window);
        QTest::mouseClick(Output(window)->viewport(), Qt::LeftButton);
        QTest::keyClick(Output(window), Qt::Key_Tab);
        QCOMPARE(OutputText(window), report);
        QVERIFY(Focused() != Output(window));
    }

    // A selection made with the keyboard, then a right-button release.
    void aRightButtonLeavesTheButtonAlone() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        WriteReport(window);
        QTest::mouseClick(Output(window)->viewport(), Qt::LeftButton);
        QTest::keyClick(Output(window), Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Output(window)->textCursor().hasSelection());
        QTest::mouseRelease(Output(window)->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(CopyButton(window)->text(), QString("Copy to clipboard"));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::OutputTest)
#include "output_test.moc"
