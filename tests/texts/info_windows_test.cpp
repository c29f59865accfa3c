// How the Help, Credits and Calendars windows behave: their design, a
// language change taking effect on the next activation, the text shown
// from its beginning, and Close hiding the window and calling the hook.
#include <QKeyEvent>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <functional>
#include <memory>

#include "texts/design.h"
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

void AddWindowColumn() {
    QTest::addColumn<Factory>("make");
}

void AddEachWindow() {
    QTest::newRow("help") << FactoryOf<frmHelp>();
    QTest::newRow("credits") << FactoryOf<frmCredits>();
    QTest::newRow("calendars") << FactoryOf<frmCalendars>();
}

// Scrolls to the end of the text and puts the caret there.
void MoveToEnd(InfoWindow& window) {
    window.txbMsg->moveCursor(QTextCursor::End);
    window.txbMsg->verticalScrollBar()->setValue(window.txbMsg->verticalScrollBar()->maximum());
}

}  // namespace
}  // namespace quillday::test

Q_DECLARE_METATYPE(quillday::test::Factory)
Q_DECLARE_METATYPE(QRect)

namespace quillday::test {

class InfoWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { GEN_TEXT::InitTexts(); }
    void cleanup() { GEN_TEXT::InitTexts(); }

    // Twips at 15 per pixel.
    void ControlsSitWhereDesigned_data() {
        AddWindowColumn();
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("text");
        QTest::addColumn<QRect>("close");
        QTest::newRow("help") << FactoryOf<frmHelp>() << "frmHelp" << QSize(568, 353)
                              << QRect(7, 8, 547, 303) << QRect(238, 322, 81, 25);
        QTest::newRow("credits") << FactoryOf<frmCredits>() << "frmCredits" << QSize(485, 183)
                                 << QRect(8, 8, 463, 102) << QRect(196, 154, 81, 25);
        QTest::newRow("calendars") << FactoryOf<frmCalendars>() << "frmCalendars" << QSize(580, 387)
                                   << QRect(8, 7, 562, 339) << QRect(245, 357, 81, 25);
    }

    void ControlsSitWhereDesigned() {
        QFETCH(Factory, make);
        QFETCH(QString, name);
        QFETCH(QSize, client);
        QFETCH(QRect, text);
        QFETCH(QRect, close);
        const auto window = make();
        QCOMPARE(window->objectName(), name);
        QCOMPARE(window->size(), client);
        QCOMPARE(window->txbMsg->objectName(), "txbMsg");
        QCOMPARE(window->txbMsg->geometry(), text);
        QCOMPARE(window->cmdClose->objectName(), "cmdClose");
        QCOMPARE(window->cmdClose->geometry(), close);
        QCOMPARE(window->txbMsg->focusPolicy(), Qt::ClickFocus);  // not a tab stop
        QVERIFY(window->isHidden());
    }

    void TextBoxStyles() {
        frmHelp help;
        QVERIFY(help.txbMsg->isReadOnly());
        QCOMPARE(help.txbMsg->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(help.txbMsg->palette().color(QPalette::Base), QColor(255, 255, 255));
        QVERIFY(help.txbMsg->textInteractionFlags() & Qt::TextSelectableByMouse);
        frmCredits credits;
        QVERIFY(!credits.txbMsg->isReadOnly());
        QCOMPARE(credits.txbMsg->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(credits.txbMsg->palette().color(QPalette::Base), QColor(192, 192, 192));
        frmCalendars calendars;
        QVERIFY(calendars.txbMsg->isReadOnly());
        QVERIFY(calendars.txbMsg->textInteractionFlags() & Qt::TextSelectableByMouse);
    }

    void LanguageChangeTakesEffectOnNextActivation_data() {
        AddWindowColumn();
        AddEachWindow();
    }

    void LanguageChangeTakesEffectOnNextActivation() {
        QFETCH(Factory, make);
        const auto window = make();
        QWidget mainWindow;
        QVERIFY(Activate(*window));
        const QString englishTitle = window->windowTitle();
        const QString englishText = ShownText(*window);

        QVERIFY(Activate(mainWindow));
        GEN_TEXT::currentLanguage = GEN_TEXT::German;
        QCOMPARE(window->windowTitle(), englishTitle);
        QCOMPARE(ShownText(*window), englishText);

        QVERIFY(Activate(*window));
        QCOMPARE(ShownText(*window), AsShown(window->MessageText(GEN_TEXT::German)));
        QCOMPARE(window->cmdClose->text(), "Schliessen");
        QVERIFY(window->windowTitle() != englishTitle);
    }

    void ActivationShowsTheTextFromItsBeginning_data() {
        AddWindowColumn();
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
        MoveToEnd(*window);
        QVERIFY(bar->value() > 0);

        QVERIFY(Activate(mainWindow));
        QVERIFY(Activate(*window));
        QCoreApplication::processEvents();
        QCOMPARE(window->txbMsg->textCursor().position(), 0);
        QCOMPARE(bar->value(), 0);
    }

    // Typed-over credits are shown as written again on the next activation.
    void ActivationRestoresEditedCredits() {
        frmCredits credits;
        QWidget mainWindow;
        QVERIFY(Activate(credits));
        credits.txbMsg->setPlainText("changed");
        QVERIFY(Activate(mainWindow));
        QVERIFY(Activate(credits));
        QCOMPARE(ShownText(credits), AsShown(credits.MessageText(GEN_TEXT::English)));
    }

    void CloseHidesTheWindowAndCallsTheHook_data() {
        AddWindowColumn();
        QTest::addColumn<int>("way");
        const char* ways[] = {"button", "close box", "Escape"};
        const char* windows[] = {"help", "credits", "calendars"};
        const Factory factories[] = {FactoryOf<frmHelp>(), FactoryOf<frmCredits>(),
                                     FactoryOf<frmCalendars>()};
        for (int w = 0; w < 3; ++w) {
            for (int way = 0; way < 3; ++way) {
                QTest::addRow("%s, %s", windows[w], ways[way]) << factories[w] << way;
            }
        }
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

    void CloseWithoutHookOnlyHides() {
        frmHelp help;
        QVERIFY(Activate(help));
        help.cmdClose_Click();
        QVERIFY(help.isHidden());
    }

    void CloseEndsModalCredits() {
        frmCredits credits;
        int calls = 0;
        credits.SetAfterClose([&] { ++calls; });
        QTimer::singleShot(0, &credits, [&] { credits.cmdClose->click(); });
        credits.exec();
        QVERIFY(credits.isHidden());
        QCOMPARE(calls, 1);
    }

    void ClientHeightIsWhatTheFrameLeaves_data() {
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("client");
        QTest::newRow("title bar and borders") << 146 << 30 << 116;
        QTest::newRow("frame not yet known") << 146 << 0 << 146;
        QTest::newRow("frame taller than the window") << 20 << 30 << 0;
    }

    void ClientHeightIsWhatTheFrameLeaves() {
        QFETCH(int, outer);
        QFETCH(int, frame);
        QFETCH(int, client);
        QCOMPARE(ClientHeight(outer, frame), client);
    }

    // The height the main window gives the Credits window includes its
    // frame, as a classic form's Height does (offscreen windows have a thin
    // frame too).
    void CreditsOuterHeightIncludesTheFrame() {
        constexpr int kOuterHeight = 2200 / kTwipsPerPixel;
        frmCredits credits;
        credits.SetOuterHeight(kOuterHeight);
        QVERIFY(Activate(credits));
        QVERIFY(credits.frameGeometry().height() > credits.height());
        QCOMPARE(credits.frameGeometry().height(), kOuterHeight);
    }

    void LanguageOutsideTheTableGivesNoText() {
        frmHelp help;
        QVERIFY(help.MessageText(static_cast<GEN_TEXT::LanguageCode>(-1)).isEmpty());
        QVERIFY(help.MessageText(static_cast<GEN_TEXT::LanguageCode>(6)).isEmpty());
    }
};

}  // namespace quillday::test

QTEST_MAIN(quillday::test::InfoWindowsTest)
#include "info_windows_test.moc"
