// How the Help, Credits and Calendars windows behave: their design, a
// language change taking effect on the next activation, the text shown from
// its beginning, and every way of closing hiding the window and calling the
// hook.
#include <QObject>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <functional>
#include <memory>

#include "texts/frm_calendars.h"
#include "texts/frm_credits.h"
#include "texts/frm_help.h"
#include "window_helpers.h"

namespace quillday::test {
namespace {

using Factory = std::function<std::unique_ptr<InfoWindow>()>;

template <typename Window>
Factory FactoryOf() {
    return [] { return std::make_unique<Window>(); };
}

}  // namespace
}  // namespace quillday::test

Q_DECLARE_METATYPE(quillday::test::Factory)

namespace quillday::test {

class InfoWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { GEN_TEXT::InitTexts(); }
    void cleanup() { GEN_TEXT::InitTexts(); }

    // The design values in twips, at 15 a pixel.
    void ControlsSitWhereDesigned_data() {
        QTest::addColumn<Factory>("make");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("text");
        QTest::addColumn<QRect>("close");
        QTest::newRow("help") << FactoryOf<frmHelp>() << QSize(568, 353) << QRect(7, 8, 547, 303)
                              << QRect(238, 322, 81, 25);
        QTest::newRow("credits") << FactoryOf<frmCredits>() << QSize(485, 183)
                                 << QRect(8, 8, 463, 102) << QRect(196, 154, 81, 25);
        QTest::newRow("calendars") << FactoryOf<frmCalendars>() << QSize(580, 387)
                                   << QRect(8, 7, 562, 339) << QRect(245, 357, 81, 25);
    }

    void ControlsSitWhereDesigned() {
        QFETCH(Factory, make);
        QFETCH(QSize, client);
        QFETCH(QRect, text);
        QFETCH(QRect, close);
        const auto window = make();
        QCOMPARE(window->size(), client);
        QCOMPARE(window->txbMsg->geometry(), text);
        QCOMPARE(window->cmdClose->geometry(), close);
        QCOMPARE(window->txbMsg->focusPolicy(), Qt::ClickFocus);  // not a tab stop
    }

    // A language chosen while the window is open shows at its next
    // activation; credits typed over are shown as written again.
    void LanguageChangeTakesEffectOnNextActivation() {
        frmCredits window;
        QWidget mainWindow;
        QVERIFY(Activate(window));
        window.txbMsg->setPlainText("typed over");
        QVERIFY(Activate(mainWindow));
        GEN_TEXT::currentLanguage = GEN_TEXT::German;
        QCOMPARE(window.windowTitle(), QString("Credits"));
        QVERIFY(Activate(window));
        QCOMPARE(window.windowTitle(), QString("Anerkennung"));
        QCOMPARE(window.cmdClose->text(), QString("Schliessen"));
        QVERIFY(ShownText(window).startsWith("Entwicklung und Programmierung"));
    }

    void ActivationShowsTheTextFromItsBeginning_data() {
        QTest::addColumn<Factory>("make");
        QTest::newRow("help") << FactoryOf<frmHelp>();
        QTest::newRow("calendars") << FactoryOf<frmCalendars>();
    }

    void ActivationShowsTheTextFromItsBeginning() {
        QFETCH(Factory, make);
        const auto window = make();
        QWidget mainWindow;
        QVERIFY(Activate(*window));
        QScrollBar* bar = window->txbMsg->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);  // the text is longer than the box
        window->txbMsg->moveCursor(QTextCursor::End);
        bar->setValue(bar->maximum());
        QVERIFY(Activate(mainWindow));
        QVERIFY(Activate(*window));
        QCoreApplication::processEvents();
        QCOMPARE(window->txbMsg->textCursor().position(), 0);
        QCOMPARE(bar->value(), 0);
    }

    // Every way of closing, each tried on one of the windows.
    void CloseHidesTheWindowAndCallsTheHook_data() {
        QTest::addColumn<Factory>("make");
        QTest::addColumn<int>("way");
        QTest::newRow("help, button") << FactoryOf<frmHelp>() << 0;
        QTest::newRow("credits, close box") << FactoryOf<frmCredits>() << 1;
        QTest::newRow("calendars, Escape") << FactoryOf<frmCalendars>() << 2;
    }

    void CloseHidesTheWindowAndCallsTheHook() {
        QFETCH(Factory, make);
        QFETCH(int, way);
        const auto window = make();
        int calls = 0;
        window->SetAfterClose([&] {
            QVERIFY(window->isHidden());  // the hook runs after hiding
            ++calls;
        });
        QVERIFY(Activate(*window));
        const QPoint position = window->pos();
        if (way == 0) {
            QTest::mouseClick(window->cmdClose, Qt::LeftButton);
        } else if (way == 1) {
            window->close();
        } else {
            QTest::keyClick(window.get(), Qt::Key_Escape);
        }
        QVERIFY(window->isHidden());
        QCOMPARE(calls, 1);
        QVERIFY(Activate(*window));  // still loaded, where it was
        QCOMPARE(window->pos(), position);
        QVERIFY(!ShownText(*window).isEmpty());
    }
};

}  // namespace quillday::test

QTEST_MAIN(quillday::test::InfoWindowsTest)
#include "info_windows_test.moc"
