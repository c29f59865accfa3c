// The output window: clearing, copying whole or selected text, and the copy
// button following the selection.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

#include "fakes.h"
#include "texts/gen_text.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

constexpr int kTwips = 15;
const QString kReport = "2012-12-31 CE = 2,456,293 JDN, Monday";

QPlainTextEdit* Output(const frmMain& window) {
    return Find<QPlainTextEdit>(window, "txbOutput");
}
QPushButton* CopyButton(const frmMain& window) {
    return Find<QPushButton>(window, "cmdCopyToClipboard");
}

// Selects characters of the output as a left-button drag does.
void SelectInOutput(const frmMain& window, int from, int to, Qt::MouseButton button) {
    QPlainTextEdit* output = Output(window);
    output->setFocus();
    QTextCursor cursor = output->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    output->setTextCursor(cursor);
    QTest::mouseRelease(output->viewport(), button, {}, QPoint(5, 5));
}

// The copy button's left edge in twips when centred between the maker's
// label (ending at 3165) and the Quit button (at 8955).
int CentredLeft(int widthTwips) {
    return (3165 + (8955 - 3165 - widthTwips) / 2) / kTwips;
}

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
    void cleanup() { GEN_TEXT::currentLanguage = GEN_TEXT::English; }

    void clearEmptiesTheOutputAndFocusesTheFirstDate() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Output(window)->setPlainText(kReport);
        Find<QLineEdit>(window, "txbFirstDate")->setText("2012-12-31");
        Click(window, "cmdClearOutputWindow");
        QCOMPARE(OutputText(window), QString());
        auto* first = Find<QLineEdit>(window, "txbFirstDate");
        QCOMPARE(QApplication::focusWidget(), first);
        QCOMPARE(first->cursorPosition(), 10);
    }

    void copyPlacesTheWholeReportReplacingTheClipboard_data() {
        QTest::addColumn<QString>("report");
        QTest::newRow("a report") << kReport + "\n" + kReport;
        QTest::newRow("an empty output") << QString();
    }

    void copyPlacesTheWholeReportReplacingTheClipboard() {
        QFETCH(QString, report);
        frmMain window(fakes_.ForWindow());
        QGuiApplication::clipboard()->setText("held before");
        Output(window)->setPlainText(report);
        Click(window, "cmdCopyToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(), report);
    }

    void copyTakesTheSelectionTheUserMade() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Output(window)->setPlainText(kReport);
        SelectInOutput(window, 16, 25, Qt::LeftButton);
        Click(window, "cmdCopyToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("2,456,293"));
        QCOMPARE(CopyButton(window)->text(), QString("Copy to clipboard"));
        Click(window, "cmdCopyToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(), kReport);
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
        Output(window)->setPlainText(kReport);
        SelectInOutput(window, 16, 25, Qt::LeftButton);
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
        QCOMPARE(QGuiApplication::clipboard()->text(), kReport);
    }

    // The output's own context menu and a switch to another window take the
    // focus for a moment; the selection stays for the user to copy.
    void theSelectionOutlivesItsContextMenu() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Output(window)->setPlainText(kReport);
        SelectInOutput(window, 16, 25, Qt::LeftButton);
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
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("2,456,293"));
        QCOMPARE(CopyButton(window)->text(), QString("Copy selected text to clipboard"));
    }

    void theButtonFollowsTheSelection_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("selectedCaption");
        QTest::addColumn<int>("selectedWidth");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width");
        QTest::newRow("English") << int(GEN_TEXT::English) << "Copy selected text to clipboard"
                                 << 3750 << "Copy to clipboard" << 2500;
        QTest::newRow("German") << int(GEN_TEXT::German)
                                << "Kopieren ausgewählter Text in Zwischenablage" << 5000
                                << "Kopieren in Zwischenablage" << 3500;
        QTest::newRow("Spanish") << int(GEN_TEXT::Spanish)
                                 << "Copie el texto seleccionado al sujetapapeles" << 5000
                                 << "Copie al sujetapapeles" << 3000;
        QTest::newRow("Portuguese")
            << int(GEN_TEXT::Portuguese) << "" << 5000 << "Copiar para clipboard" << 3000;
    }

    void theButtonFollowsTheSelection() {
        QFETCH(int, language);
        QFETCH(QString, selectedCaption);
        QFETCH(int, selectedWidth);
        QFETCH(QString, caption);
        QFETCH(int, width);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        GEN_TEXT::currentLanguage = static_cast<GEN_TEXT::LanguageCode>(language);
        Output(window)->setPlainText(kReport);
        SelectInOutput(window, 0, 10, Qt::LeftButton);
        QCOMPARE(CopyButton(window)->text(), selectedCaption);
        QCOMPARE(CopyButton(window)->width(), selectedWidth / kTwips);
        QCOMPARE(CopyButton(window)->x(), CentredLeft(selectedWidth));
        Find<QLineEdit>(window, "txbSecondDate")->setFocus();
        QCOMPARE(CopyButton(window)->text(), caption);
        QCOMPARE(CopyButton(window)->width(), width / kTwips);
        QCOMPARE(CopyButton(window)->x(), CentredLeft(width));
        QVERIFY(!Output(window)->textCursor().hasSelection());
    }

    void tabLeavesTheOutputUnchanged() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Output(window)->setPlainText(kReport);
        Output(window)->setFocus();
        QTest::keyClick(Output(window), Qt::Key_Tab);
        QCOMPARE(OutputText(window), kReport);
        QVERIFY(QApplication::focusWidget() != Output(window));
    }

    void aRightClickLeavesTheButtonAlone() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Output(window)->setPlainText(kReport);
        SelectInOutput(window, 0, 10, Qt::RightButton);
        QCOMPARE(CopyButton(window)->text(), QString("Copy to clipboard"));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::OutputTest)
#include "output_test.moc"
