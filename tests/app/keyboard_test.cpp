// The main window from the keyboard alone: the Tab order and what a key
// does at each stop, Enter and Space on the labels that act when clicked,
// the focus marks, the editing keys of the input boxes, and where Credits
// opens.
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

// Every tab stop, from the first date box on (the option groups are one
// stop each, at their selected button), and what a key does there, in a
// window whose boxes read "2012-12-31", "" and "2013-01-01", computed once:
// what the user then sees (Seen). The arrows choose within an option group.
// clang-format off
const struct { const char* name; Qt::Key key; Qt::KeyboardModifiers modifiers; const char *seen, *expected; } kTabStops[] = {
    {"txbFirstDate", Qt::Key_Return, Qt::NoModifier, "txbOutput", "2013-01-01 CE minus 2012-12-31 CE = 1 day"},
    {"VScroll(0)", Qt::Key_Up, Qt::NoModifier, "txbFirstDate", "2013-01-01"},
    {"txbDateDiffDays", Qt::Key_Enter, Qt::KeypadModifier, "txbOutput", "2013-01-01 CE minus 2012-12-31 CE = 1 day"},
    {"cmdToday(1)", Qt::Key_Space, Qt::NoModifier, "txbSecondDate", "2012-12-31"},
    {"txbSecondDate", Qt::Key_Return, Qt::NoModifier, "txbOutput", "2013-01-01 CE minus 2012-12-31 CE = 1 day"},
    {"VScroll(1)", Qt::Key_Down, Qt::NoModifier, "txbSecondDate", "2012-12-31"},
    {"cmdMoveSecondDateToFirst", Qt::Key_Space, Qt::NoModifier, "txbFirstDate", "2013-01-01"},
    {"optFirstDateIsCE", Qt::Key_Down, Qt::NoModifier, "txbFirstDate", "2012-12-18"},
    {"cmdClearFirstDate", Qt::Key_Space, Qt::NoModifier, "txbFirstDate", ""},
    {"cmdClearSecondDate", Qt::Key_Space, Qt::NoModifier, "txbSecondDate", ""},
    {"cmdClearDateDiffDays", Qt::Key_Space, Qt::NoModifier, "focus", "txbDateDiffDays"},
    {"cmdClearInputWindows", Qt::Key_Space, Qt::NoModifier, "txbFirstDate", ""},
    {"cmdClearOutputWindow", Qt::Key_Space, Qt::NoModifier, "txbOutput", ""},
    {"optSecondDateIsCE", Qt::Key_Down, Qt::NoModifier, "txbSecondDate", "2012-12-19"},
    {"lblTodaysDate", Qt::Key_Space, Qt::NoModifier, "lblTodaysDate", "Today is Monday,\n2012-12-18 JC (14:05)."},
    {"lblWeekFromToday", Qt::Key_Space, Qt::ShiftModifier, "lblTodaysDate", "Today is Monday,\n2012366 (14:05)."},
    {"cmdCompute", Qt::Key_Space, Qt::NoModifier, "txbOutput", "2013-01-01 CE minus 2012-12-31 CE = 1 day"},
    {"txbOutput", Qt::Key_A, Qt::ControlModifier, "cmdCopyToClipboard", "Copy selected text to clipboard"},
    {"lblVarnholtWorks", Qt::Key_Return, Qt::NoModifier, "opened page", "quillday-guide.html"},
    {"lblOnlineDocumentation", Qt::Key_Space, Qt::NoModifier, "opened page", "quillday-guide.html"},
    {"cmdCopyToClipboard", Qt::Key_Space, Qt::NoModifier, "clipboard", "2013-01-01 CE minus 2012-12-31 CE = 1 day"},
    {"cmdQuit", Qt::Key_Space, Qt::NoModifier, "main window", "hidden"},
    {"cboLanguage", Qt::Key_Down, Qt::NoModifier, "lblFirstDate", "Erstes Datum:"},
    {"cmdHelp", Qt::Key_Space, Qt::NoModifier, "window", "QLY Help"},
    {"cmdCalendars", Qt::Key_Space, Qt::NoModifier, "window", "QLY Calendars"},
    {"cmdCredits", Qt::Key_Space, Qt::NoModifier, "window", "Credits"},
    {"optDateFormatIsYMD", Qt::Key_Right, Qt::NoModifier, "optDateFormatIsDMY", "selected"},
    {"optSeparatorIsDash", Qt::Key_Right, Qt::NoModifier, "optSeparatorIsDot", "selected"},
    {"optThousSepIsComma", Qt::Key_Right, Qt::NoModifier, "optThousSepIsDot", "selected"},
    {"cmdToday(0)", Qt::Key_Space, Qt::NoModifier, "txbFirstDate", "2012-12-31"},
};
// clang-format on

// The keys beside those of the tab stops' table; today: the today label
// afterwards. None of them opens a page.
// clang-format off
const struct { const char *name, *label; Qt::Key key; Qt::KeyboardModifiers modifiers; const char* today; } kLabelKeys[] = {
    {"Enter on today", "lblTodaysDate", Qt::Key_Return, Qt::NoModifier, "2012-12-18 JC"},
    {"Shift+keypad Enter goes back", "lblWeekFromToday", Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier, "2012366"},
    {"Ctrl+Space does nothing", "lblTodaysDate", Qt::Key_Space, Qt::ControlModifier, "2012-12-31 CE"},
    {"Shift+Enter opens no link", "lblOnlineDocumentation", Qt::Key_Return, Qt::ShiftModifier, "2012-12-31 CE"},
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

// Where the main window stands on the screen: from its top left, or
// resting on its bottom; there Credits must move up to stay on the screen.
const struct { const char* name; QPoint main; bool onBottom; } kCreditsPlaces[] = {
    {"top left", {0, 0}, false},
    {"moved right and down", {60, 30}, false},
    {"on the screen's bottom", {40, 0}, true},
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
    for (std::size_t i = 0;
         i < std::size(kTabStops) && QApplication::focusWidget()->objectName() != name; ++i) {
        PressTab();
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), name);
}

}  // namespace

class KeyboardTest : public WindowTest {
    Q_OBJECT

  private:
    // What the user sees: a control's text (of the output its first line),
    // whether an option button is "selected", the clipboard's first line,
    // the page opened, the window opened over the main window ("window"),
    // whether the main window is "shown", or the control with the focus.
    QString Seen(const frmMain& window, const QString& what, const QString& modalTitle) const {
        if (what == "clipboard") {
            return QGuiApplication::clipboard()->text().remove('\r').section('\n', 0, 0);
        }
        if (what == "opened page") {
            return QUrl(fakes_.webOpener->opened.value(0)).fileName();
        }
        if (what == "focus") {
            return QApplication::focusWidget()->objectName();
        }
        if (what == "main window") {
            return window.isVisible() ? "shown" : "hidden";
        }
        if (what == "window") {
            const QWidget* active = QApplication::activeWindow();
            return !modalTitle.isEmpty()                    ? modalTitle
                   : active != nullptr && active != &window ? active->windowTitle()
                                                            : QString();
        }
        QWidget* control = Find<QWidget>(window, what);
        if (qobject_cast<QPlainTextEdit*>(control) != nullptr) {
            return OutputText(window).section('\n', 0, 0);
        }
        if (auto* option = qobject_cast<QRadioButton*>(control)) {
            return option->isChecked() ? "selected" : "not selected";
        }
        return control->property("text").toString();
    }

  private slots:
    void eachStopDoesItsWorkFromTheKeyboard_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < std::size(kTabStops); ++i) {
            QTest::newRow(kTabStops[i].name) << static_cast<int>(i);
        }
    }

    void eachStopDoesItsWorkFromTheKeyboard() {
        QFETCH(int, row);
        const auto& stop = kTabStops[row];
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        TypeBoxes(window, "2012-12-31||2013-01-01");
        Click(window, "cmdCompute");
        QGuiApplication::clipboard()->clear();
        QString modalTitle;
        QTimer::singleShot(0, [&modalTitle] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalTitle = modal->windowTitle();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        TabTo(window, stop.name);
        QTest::keyClick(QApplication::focusWidget(), stop.key, stop.modifiers);
        QTRY_COMPARE(Seen(window, stop.seen, modalTitle), QString(stop.expected));
    }

    void tabVisitsEveryStopAndShiftTabGoesBack() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList stops;
        for (const auto& stop : kTabStops) {
            stops << stop.name;
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), stops.first());
        QStringList forward;
        QStringList backward;
        for (int i = 0; i < stops.size(); ++i) {
            forward << PressTab()->objectName();
        }
        for (int i = 0; i < stops.size(); ++i) {
            backward.prepend(QApplication::focusWidget()->objectName());
            PressTab(Qt::ShiftModifier);
        }
        QCOMPARE(forward, stops.mid(1) << stops.first());
        QCOMPARE(backward, stops.mid(1) << stops.first());
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
        QCOMPARE(fakes_.webOpener->opened, QStringList());
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
        const int bottomY = screen.bottom() + 1 - window.frameGeometry().height();
        window.move(screen.topLeft() + row.main + QPoint(0, row.onBottom ? bottomY : 0));
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
        // 360 twips below the top of the output band.
        const int bandTop = Find<QWidget>(window, "Frame6")->mapToGlobal(QPoint(0, 24)).y();
        QVERIFY(screen.contains(credits));
        QCOMPARE(credits.center().x(), window.frameGeometry().center().x());
        QCOMPARE(credits.top() == bandTop, !row.onBottom);
        QCOMPARE(credits.bottom() == screen.bottom() && credits.top() < bandTop, row.onBottom);
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::KeyboardTest)
#include "keyboard_test.moc"
