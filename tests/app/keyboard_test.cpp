// The main window from the keyboard alone: the Tab order, what Enter and
// Space do on the labels that act when clicked, the focus marks, the
// editing keys of the input boxes, and where Credits opens.
#include "services/web_addresses.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

// Every tab stop, from the first date box on; the option groups are one
// stop each, at their selected button.
const QStringList kTabStops = {"txbFirstDate",
                               "VScroll(0)",
                               "txbDateDiffDays",
                               "cmdToday(1)",
                               "txbSecondDate",
                               "VScroll(1)",
                               "cmdMoveSecondDateToFirst",
                               "optFirstDateIsCE",
                               "cmdClearFirstDate",
                               "cmdClearSecondDate",
                               "cmdClearDateDiffDays",
                               "cmdClearInputWindows",
                               "cmdClearOutputWindow",
                               "optSecondDateIsCE",
                               "lblTodaysDate",
                               "lblWeekFromToday",
                               "cmdCompute",
                               "txbOutput",
                               "lblVarnholtWorks",
                               "lblOnlineDocumentation",
                               "cmdCopyToClipboard",
                               "cmdQuit",
                               "cboLanguage",
                               "cmdHelp",
                               "cmdCalendars",
                               "cmdCredits",
                               "optDateFormatIsYMD",
                               "optSeparatorIsDash",
                               "optThousSepIsComma",
                               "cmdToday(0)"};

// today: the today label afterwards; opensGuide: whether the user guide,
// the page of both links, opens.
// clang-format off
const struct { const char *name, *label; Qt::Key key; Qt::KeyboardModifiers modifiers; const char* today; bool opensGuide; } kLabelKeys[] = {
    {"Enter on today", "lblTodaysDate", Qt::Key_Return, Qt::NoModifier, "2012-12-18 JC", false},
    {"Space on the week", "lblWeekFromToday", Qt::Key_Space, Qt::NoModifier, "2012-12-18 JC", false},
    {"Shift+Space goes back", "lblTodaysDate", Qt::Key_Space, Qt::ShiftModifier, "2012366", false},
    {"Shift+keypad Enter goes back", "lblWeekFromToday", Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier, "2012366", false},
    {"Ctrl+Space does nothing", "lblTodaysDate", Qt::Key_Space, Qt::ControlModifier, "2012-12-31 CE", false},
    {"Enter on the maker", "lblVarnholtWorks", Qt::Key_Return, Qt::NoModifier, "2012-12-31 CE", true},
    {"Space on the guide", "lblOnlineDocumentation", Qt::Key_Space, Qt::NoModifier, "2012-12-31 CE", true},
    {"Shift+Enter opens no link", "lblOnlineDocumentation", Qt::Key_Return, Qt::ShiftModifier, "2012-12-31 CE", false},
};

// Each key in turn on the first date box, which starts with "2012-12-31".
const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; const char *text, *clipboard; } kEditingKeys[] = {
    {Qt::Key_A, Qt::ControlModifier, "2012-12-31", "held before"},
    {Qt::Key_Insert, Qt::ControlModifier, "2012-12-31", "2012-12-31"},
    {Qt::Key_Delete, Qt::ShiftModifier, "", "2012-12-31"},
    {Qt::Key_Z, Qt::ControlModifier, "2012-12-31", "2012-12-31"},
    {Qt::Key_Y, Qt::ControlModifier, "", "2012-12-31"},
    {Qt::Key_Insert, Qt::ShiftModifier, "2012-12-31", "2012-12-31"},
    {Qt::Key_B, Qt::ControlModifier, "2012-12-31", "2012-12-31"},
};

// Where the main window stands on the screen; the Credits window's top
// left afterwards, relative to the main window's client area, and whether
// it was moved up to stay on the screen.
const struct { const char* name; QPoint main; bool pushedUp; } kCreditsPlaces[] = {
    {"top left", {0, 0}, false},
    {"moved right and down", {60, 30}, false},
    {"near the screen's bottom", {40, 300}, true},
};
// clang-format on

// The focus moves on by one Tab from the control that has it.
QWidget* PressTab(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    return QApplication::focusWidget();
}

// Tabs from the first date box to the control, as a keyboard user gets there.
void TabTo(const frmMain& window, const QString& name) {
    Find<QWidget>(window, "txbFirstDate")->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < kTabStops.size() && QApplication::focusWidget()->objectName() != name;
         ++i) {
        PressTab();
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), name);
}

}  // namespace

class KeyboardTest : public WindowTest {
    Q_OBJECT

  private slots:
    void tabVisitsEveryStopAndShiftTabGoesBack() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget()->objectName(), kTabStops.first());
        QStringList forward;
        QStringList backward;
        for (int i = 0; i < kTabStops.size(); ++i) {
            forward << PressTab()->objectName();
        }
        for (int i = 0; i < kTabStops.size(); ++i) {
            backward.prepend(QApplication::focusWidget()->objectName());
            PressTab(Qt::ShiftModifier);
        }
        QCOMPARE(forward, kTabStops.mid(1) << kTabStops.first());
        QCOMPARE(backward, kTabStops.mid(1) << kTabStops.first());
    }

    void enterAndSpaceOnALabelDoWhatAClickDoes_data() { AddTableRows(kLabelKeys); }

    void enterAndSpaceOnALabelDoWhatAClickDoes() {
        const auto& row = TableRow(kLabelKeys);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        TabTo(window, row.label);
        QTest::keyClick(QApplication::focusWidget(), row.key, row.modifiers);
        QVERIFY2(LabelText(window, "lblTodaysDate").contains(row.today),
                 qPrintable(LabelText(window, "lblTodaysDate")));
        QCOMPARE(fakes_.webOpener->opened,
                 row.opensGuide ? QStringList{UserGuideAddress()} : QStringList());
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(row.label));
        QLabel* label = Find<QLabel>(window, row.label);
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
                 label->text());
    }

    // A control the style draws no focus frame for shows one while Tab has
    // brought it the focus.
    void everyTabStopShowsTheFocus() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const char* name : {"lblTodaysDate", "lblWeekFromToday", "lblVarnholtWorks",
                                 "lblOnlineDocumentation", "VScroll(0)", "VScroll(1)"}) {
            QWidget* control = Find<QWidget>(window, name);
            Find<QWidget>(window, "cmdQuit")->setFocus(Qt::TabFocusReason);
            const QImage unfocused = control->grab().toImage();
            TabTo(window, name);
            QVERIFY2(control->grab().toImage() != unfocused, qPrintable(name));
            PressTab();
            QCOMPARE(control->grab().toImage(), unfocused);
        }
    }

    // Select-all, copy, cut, undo, redo and paste work in the input boxes;
    // another Ctrl+letter is still refused.
    void theStandardEditingKeysWorkInTheInputBoxes() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Type(window, "txbFirstDate", "2012-12-31");
        QGuiApplication::clipboard()->setText("held before");
        auto* box = Find<QLineEdit>(window, "txbFirstDate");
        for (const auto& [key, modifiers, text, clipboard] : kEditingKeys) {
            QTest::keyClick(box, key, modifiers);
            const QString step = QKeySequence(key | modifiers).toString();
            QVERIFY2(box->text() == text, qPrintable(step + ": " + box->text()));
            QVERIFY2(QGuiApplication::clipboard()->text() == clipboard, qPrintable(step));
        }
        QVERIFY(!box->hasSelectedText() || box->selectedText() == box->text());
    }

    // Credits opens centred over the main window with its top in the output
    // band, wherever the main window stands, and never off the screen.
    void creditsOpenOverTheOutputBandAndOnTheScreen_data() { AddTableRows(kCreditsPlaces); }

    void creditsOpenOverTheOutputBandAndOnTheScreen() {
        const auto& row = TableRow(kCreditsPlaces);
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QRect screen = window.screen()->availableGeometry();
        window.move(screen.topLeft() + row.main);
        QRect credits;
        QTimer::singleShot(0, [&] {
            QWidget* opened = QApplication::activeModalWidget();
            QVERIFY(opened != nullptr);
            credits = opened->frameGeometry();
            QTest::keyClick(opened, Qt::Key_Escape);
        });
        TabTo(window, "cmdCredits");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!credits.isEmpty());
        const QRect band(Find<QWidget>(window, "txbOutput")->mapToGlobal(QPoint(0, 0)),
                         Find<QWidget>(window, "txbOutput")->size());
        QVERIFY(screen.contains(credits));
        QCOMPARE(credits.center().x(), window.frameGeometry().center().x());
        QCOMPARE(band.contains(credits.topLeft() + QPoint(0, 1)), !row.pushedUp);
        QCOMPARE(credits.bottom() == screen.bottom(), row.pushedUp);
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::KeyboardTest)
#include "keyboard_test.moc"
