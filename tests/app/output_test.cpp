// The output window: clearing, copying whole or selected text, and the copy
// button following the selection.
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

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
    return QRect((3165 + (8955 - 3165 - widthTwips) / 2) / 15, 2050 / 15, widthTwips / 15,
                 330 / 15);
}

// The roads to the copy button: steps, then the copy.
using Step = void (*)(const frmMain&);

void DragDayNumber(const frmMain& window) {
    DragInOutput(window, kDayNumberFrom, kDayNumberTo);
}

// Shift and the arrow keys, from the start of the report.
void SelectDayNumberWithKeys(const frmMain& window) {
    QTest::mouseClick(Output(window)->viewport(), Qt::LeftButton);
    QTest::keyClick(Output(window), Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < kDayNumberFrom; ++i) {
        QTest::keyClick(Output(window), Qt::Key_Right);
    }
    for (int i = kDayNumberFrom; i < kDayNumberTo; ++i) {
        QTest::keyClick(Output(window), Qt::Key_Right, Qt::ShiftModifier);
    }
}

void RightButtonInOutput(const frmMain& window) {
    QTest::mouseClick(Output(window)->viewport(), Qt::RightButton, {}, QPoint(5, 5));
}

// Tab leaves the output over the two link labels.
void TabToCopyButton(const frmMain& window) {
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), CopyButton(window));
}

void RightClickCopyButton(const frmMain& window) {
    QTest::mouseClick(CopyButton(window), Qt::RightButton);
}

// Pressed, then slid off and released elsewhere: no click.
void AbandonPressOnCopyButton(const frmMain& window) {
    QTest::mousePress(CopyButton(window), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(CopyButton(window), QPoint(-40, -40));
    QTest::mouseRelease(CopyButton(window), Qt::LeftButton, {}, QPoint(-40, -40));
}

void ClickSecondDate(const frmMain& window) {
    QTest::mouseClick(Find<QLineEdit>(window, "txbSecondDate"), Qt::LeftButton);
}

void ClickCopy(const frmMain& window) {
    Click(window, "cmdCopyToClipboard");
}

void SpaceOnCopy(const frmMain& window) {
    QTest::keyClick(CopyButton(window), Qt::Key_Space);
}

// clang-format off
const struct { const char* name; Step steps[3]; Step copy; bool copiesSelection; } kCopyRoads[] = {
    {"dragged, clicked", {DragDayNumber}, ClickCopy, true},
    {"keys, right button in the output, clicked", {SelectDayNumberWithKeys, RightButtonInOutput}, ClickCopy, true},
    {"dragged, Tab to the button, Space", {DragDayNumber, TabToCopyButton}, SpaceOnCopy, false},
    {"dragged, right click on the button, clicked", {DragDayNumber, RightClickCopyButton}, ClickCopy, true},
    {"dragged, press abandoned, Space", {DragDayNumber, AbandonPressOnCopyButton}, SpaceOnCopy, true},
    {"dragged, press abandoned, another box, clicked", {DragDayNumber, AbandonPressOnCopyButton, ClickSecondDate}, ClickCopy, false},
};

const struct { const char* name; int entry; const char* selectedCaption; int selectedWidth; const char* caption; int width; } kCopyButtons[] = {
    {"English", kEnglishEntry, "Copy selected text to clipboard", 3750, "Copy to clipboard", 2500},
    {"German", kGermanEntry, "Kopieren ausgewählter Text in Zwischenablage", 5000, "Kopieren in Zwischenablage", 3500},
    {"Spanish", kSpanishEntry, "Copie el texto seleccionado al sujetapapeles", 5000, "Copie al sujetapapeles", 3000},
};
// clang-format on

}  // namespace

class OutputTest : public WindowTest {
    Q_OBJECT

  private:
    std::unique_ptr<frmMain> window_;

  private slots:
    // Each test starts with the report in the active window.
    void init() {
        fakes_ = FakeServices();
        window_ = std::make_unique<frmMain>(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        Click(*window_, "optSecondDateIsJDN");
        Type(*window_, "txbFirstDate", "2012-12-31");
        Click(*window_, "cmdCompute");
        QVERIFY(OutputText(*window_).startsWith(kReport));
    }

    void cleanup() { window_.reset(); }

    // Clear focuses the first date at its end; copying the empty output
    // empties the clipboard.
    void clearEmptiesTheOutputAndFocusesTheFirstDate() {
        Click(*window_, "cmdClearOutputWindow");
        QCOMPARE(OutputText(*window_), QString());
        auto* first = Find<QLineEdit>(*window_, "txbFirstDate");
        QCOMPARE(QApplication::focusWidget(), first);
        QCOMPARE(first->cursorPosition(), 10);
        QGuiApplication::clipboard()->setText("held before");
        Click(*window_, "cmdCopyToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    // The output's own context menu and a switch to another window take the
    // focus for a moment; the selection stays for the user to copy.
    void theSelectionOutlivesItsContextMenu() {
        DragInOutput(*window_, kDayNumberFrom, kDayNumberTo);
        QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(Output(*window_), &deactivated);
        QCOMPARE(CopyButton(*window_)->text(), QString("Copy selected text to clipboard"));
        QGuiApplication::clipboard()->setText("held before");
        QWidget* viewport = Output(*window_)->viewport();
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, {20, 5},
                                    viewport->mapToGlobal(QPoint(20, 5)));
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
        QCOMPARE(CopyButton(*window_)->text(), QString("Copy selected text to clipboard"));
    }

    void theButtonFollowsTheSelection_data() { AddTableRows(kCopyButtons); }

    void theButtonFollowsTheSelection() {
        const auto& row = TableRow(kCopyButtons);
        ChooseLanguage(*window_, row.entry);
        DragInOutput(*window_, 0, 10);
        QCOMPARE(CopyButton(*window_)->text(), QString(row.selectedCaption));
        QCOMPARE(CopyButton(*window_)->geometry(), Placed(row.selectedWidth));
        QTest::mouseClick(Find<QLineEdit>(*window_, "txbSecondDate"), Qt::LeftButton);
        QCOMPARE(CopyButton(*window_)->text(), QString(row.caption));
        QCOMPARE(CopyButton(*window_)->geometry(), Placed(row.width));
        QVERIFY(!Output(*window_)->textCursor().hasSelection());
    }

    // Whatever road leads to the copy button, its caption says what it
    // copies, and it copies what the output shows selected; afterwards the
    // first date has the focus and the next copy takes the whole report.
    void theCaptionAndTheCopyAlwaysAgree_data() { AddTableRows(kCopyRoads); }

    void theCaptionAndTheCopyAlwaysAgree() {
        const auto& row = TableRow(kCopyRoads);
        const QString report = OutputText(*window_);
        for (const Step step : row.steps) {
            if (step != nullptr) {
                step(*window_);
            }
        }
        QCOMPARE(OutputText(*window_), report);
        QCOMPARE(Output(*window_)->textCursor().hasSelection(), row.copiesSelection);
        QCOMPARE(
            CopyButton(*window_)->text(),
            QString(row.copiesSelection ? "Copy selected text to clipboard" : "Copy to clipboard"));
        QGuiApplication::clipboard()->setText("held before");
        row.copy(*window_);
        QCOMPARE(QGuiApplication::clipboard()->text(), row.copiesSelection ? kDayNumber : report);
        QCOMPARE(CopyButton(*window_)->text(), QString("Copy to clipboard"));
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(*window_, "txbFirstDate"));
        Click(*window_, "cmdCopyToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(), report);
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::OutputTest)
#include "output_test.moc"
