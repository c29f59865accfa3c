// The Help, Credits and Calendars windows: the text each shows in each
// language (English where a language has none of its own), the user guide
// of each language they lead to, a language change taking effect on the next
// activation, the text shown from its beginning, and every way of closing.
#include <QTest>
#include <QtWidgets>
#include <memory>

#include "forms/frm_calendars.h"
#include "forms/frm_credits.h"
#include "forms/frm_help.h"
#include "forms/info_window.h"
#include "services/web_addresses.h"

namespace quillday::test {
namespace {

using Maker = std::unique_ptr<InfoWindow> (*)();

template <typename Window>
std::unique_ptr<InfoWindow> Make() {
    return std::make_unique<Window>();
}

// Shows the window and waits until it is the active window.
bool Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// clang-format off
// Blanks, quotes and spellings of the passages stand as written.
const struct { Maker make; GEN_TEXT::LanguageCode language; const char *caption, *close, *begin, *passage, *end; } kShownTexts[] = {
    {Make<frmHelp>, GEN_TEXT::German, "QLY Hilfe", "Schliessen", "Ein Datum im (engl.) \"Common Era\" Kalender (CE)", "", "(brauchen Sie ein Rechtmausklick)."},
    {Make<frmHelp>, GEN_TEXT::Portuguese, "QLY Ajuda", "Fechar", "A Common Era (CE) date is a date", "where New Year's Day  is day 001", "paste it into your browser (use a right mouse click)."},
    {Make<frmHelp>, GEN_TEXT::English, "QLY Help", "Close", "A Common Era (CE) date is a date", "plus one day, \"Intercalarius\", at the end", "(use a right mouse click)."},
    {Make<frmCredits>, GEN_TEXT::Spanish, "Créditos", "Cerrar", "Diseño y programación (Mayo 2000 - Marzo 2001): los desarrolladores de Quillday\n", "\nTraducción al Alemán: los desarrolladores de Quillday\n", "Probadores de versiones beta: los desarrolladores de Quillday"},
    {Make<frmCredits>, GEN_TEXT::Portuguese, "???", "Fechar", "Design and programming (May 2000 - March 2001): the Quillday developers\n", "", "Beta testers: the Quillday developers\n\n"},
    {Make<frmCalendars>, GEN_TEXT::English, "QLY Calendars", "Close", "This software implements three calendars: the Common Era (CE)", "Intercalarius (1), in leap yars.\n\n", "paste them into your browser\n(highlight then right mouse click)."},
    {Make<frmCalendars>, GEN_TEXT::German, "QLY Kalender", "Schliessen", "", "Mittwoch, Donnerstag,Freitag, Samstag.", ""},
    {Make<frmCalendars>, GEN_TEXT::German, "QLY Kalender", "Schliessen", "", "Annus Nova Daten werden immer mit dem Datumstrennzeichen  \"-\" geschrieben.", ""},
    {Make<frmCalendars>, GEN_TEXT::Spanish, "QLY Calendarios", "Cerrar", "", "= 10520-1-1 AN\n\n", ""},
    {Make<frmCalendars>, GEN_TEXT::French, "QLY ", "???", "", "", ""},
};

// The guide of each language, and what its Annus Novus section says in any
// language: the English guide's own sentences, in the others the figures.
const struct { const char* name; GEN_TEXT::LanguageCode language; const char* file; QStringList rules; } kGuides[] = {
    {"English", GEN_TEXT::English, "quillday-guide.html", {"(i) the year + 281 is divisible by 4 but not by 100 or (ii) the year + 281 is divisible by 400.", "2000-12-19 JC = 2001-01-01 CE = 10520-01-01 AN"}},
    {"German", GEN_TEXT::German, "quillday-guide.de.html", {"281", "400", "10520"}},
    {"Spanish", GEN_TEXT::Spanish, "quillday-guide.es.html", {"281", "400", "10520"}},
    {"French, which has none", GEN_TEXT::French, "quillday-guide.html", {"281", "400", "10520"}},
};
// clang-format on

// The files a page takes its pictures from (its src attributes).
QStringList PictureSources(const QString& page) {
    static const QRegularExpression kSource("src=\"([^\"]*)\"");
    QStringList sources;
    QRegularExpressionMatchIterator found = kSource.globalMatch(page);
    while (found.hasNext()) {
        sources << found.next().captured(1);
    }
    return sources;
}

}  // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void eachWindowShowsItsTextInTheLanguage() {
        for (const auto& r : kShownTexts) {
            const auto window = r.make();
            window->SetLanguage(r.language);
            window->Form_Activate();
            const QString shown = window->txbMsg->toPlainText();
            QCOMPARE(window->windowTitle(), QString(r.caption));
            QCOMPARE(window->cmdClose->text(), QString(r.close));
            QVERIFY2(
                shown.startsWith(r.begin) && shown.contains(r.passage) && shown.endsWith(r.end),
                qPrintable(shown.left(80) + " ... " + shown.right(80)));
            QCOMPARE(shown.isEmpty(), r.language == GEN_TEXT::French);
        }
    }

    // Opened as a local file beside the program, each language's guide
    // reaches out for nothing but the pictures beside it, and its Annus
    // Novus address leads to the calendar's rules.
    void theUserGuideStandsAloneAndStatesTheRules_data() {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < std::size(kGuides); ++i) {
            QTest::newRow(kGuides[i].name) << static_cast<int>(i);
        }
    }

    void theUserGuideStandsAloneAndStatesTheRules() {
        QFETCH(int, row);
        const auto& guide = kGuides[row];
        const QFileInfo file(QUrl(UserGuideAddress(guide.language)).toLocalFile());
        QCOMPARE(file.fileName(), QString(guide.file));
        QCOMPARE(file.absoluteDir(), QDir(QCoreApplication::applicationDirPath()));
        QFile page(file.filePath());
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll());
        QVERIFY(text.startsWith("<!DOCTYPE html>"));
        for (const char* outside : {"<link", "http"}) {
            QVERIFY2(!text.contains(outside), outside);
        }
        for (const QString& source : PictureSources(text)) {
            QVERIFY2(
                !source.contains('/') && !source.contains(':') && file.absoluteDir().exists(source),
                qPrintable(source));
        }
        const QUrl rules(AnnusNovusRulesAddress(guide.language));
        QCOMPARE(rules.adjusted(QUrl::RemoveFragment), QUrl(UserGuideAddress(guide.language)));
        QCOMPARE(rules.fragment(), QString("annus-novus"));
        const qsizetype start = text.indexOf("id=\"" + rules.fragment() + "\"");
        QVERIFY(start >= 0);
        const QString section = text.mid(start).simplified();
        for (const QString& passage : guide.rules) {
            QVERIFY2(section.contains(passage), qPrintable(passage));
        }
    }

    // A language chosen while the window is open shows at its next
    // activation; credits typed over are shown as written again.
    void aLanguageChangeTakesEffectOnTheNextActivation() {
        frmCredits window;
        QWidget mainWindow;
        QVERIFY(Activate(window));
        window.txbMsg->setPlainText("typed over");
        QVERIFY(Activate(mainWindow));
        window.SetLanguage(GEN_TEXT::German);
        QCOMPARE(window.windowTitle(), QString("Credits"));
        QVERIFY(Activate(window));
        QCOMPARE(window.windowTitle(), QString("Anerkennung"));
        QCOMPARE(window.cmdClose->text(), QString("Schliessen"));
        QVERIFY(window.txbMsg->toPlainText().startsWith("Entwicklung und Programmierung"));
    }

    void activationShowsTheTextFromItsBeginning() {
        for (const Maker make : {Make<frmHelp>, Make<frmCalendars>}) {
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
    }

    // The Close button, the close box and Escape, each tried on one window:
    // each hides it, then calls the hook once; it stays loaded where it was.
    void everyWayOfClosingHidesTheWindowAndCallsTheHook() {
        using Close = void (*)(InfoWindow&);
        const std::pair<Maker, Close> ways[] = {
            {Make<frmHelp>, [](InfoWindow& w) { QTest::mouseClick(w.cmdClose, Qt::LeftButton); }},
            {Make<frmCredits>, [](InfoWindow& w) { w.close(); }},
            {Make<frmCalendars>, [](InfoWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        };
        for (const auto& [make, close] : ways) {
            const auto window = make();
            int calls = 0;
            window->SetAfterClose([&] {
                QVERIFY(window->isHidden());
                ++calls;
            });
            QVERIFY(Activate(*window));
            const QPoint position = window->pos();
            close(*window);
            QVERIFY(window->isHidden());
            QCOMPARE(calls, 1);
            QVERIFY(Activate(*window));
            QCOMPARE(window->pos(), position);
            QVERIFY(!window->txbMsg->toPlainText().isEmpty());
        }
    }

    // Clicked into, the Credits text takes the focus, and Tab leads out to
    // Close without writing into the text; Space there closes.
    void tabLeavesTheCreditsTextForClose() {
        frmCredits window;
        QVERIFY(Activate(window));
        const QString text = window.txbMsg->toPlainText();
        QTest::mouseClick(window.txbMsg->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(QApplication::focusWidget(), window.txbMsg);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.cmdClose);
        QCOMPARE(window.txbMsg->toPlainText(), text);
        QTest::keyClick(window.cmdClose, Qt::Key_Space);
        QVERIFY(window.isHidden());
    }

    // With the focus on Close, the keys that scroll a text scroll it, in
    // the order of the table; Tab never reaches the text.
    void theKeyboardScrollsTheTextFromClose() {
        for (const Maker make : {Make<frmHelp>, Make<frmCalendars>}) {
            const auto window = make();
            QVERIFY(Activate(*window));
            QScrollBar* bar = window->txbMsg->verticalScrollBar();
            QTRY_VERIFY(bar->maximum() > bar->singleStep());  // the text is longer than the box
            const int line = bar->singleStep();
            const int end = bar->maximum();
            const int pageDown = std::min(end, line + bar->pageStep());
            const struct {
                Qt::Key key;
                Qt::KeyboardModifiers modifiers;
                int value;
            } steps[] = {
                {Qt::Key_End, Qt::ControlModifier, end},
                {Qt::Key_Up, Qt::NoModifier, end - line},
                {Qt::Key_Home, Qt::ControlModifier, 0},
                {Qt::Key_Down, Qt::NoModifier, line},
                {Qt::Key_PageDown, Qt::NoModifier, pageDown},
                {Qt::Key_PageUp, Qt::NoModifier, 0},
            };
            for (const auto& [key, modifiers, value] : steps) {
                QCOMPARE(QApplication::focusWidget(), window->cmdClose);
                QTest::keyClick(window->cmdClose, key, modifiers);
                QCOMPARE(bar->value(), value);
            }
            QTest::keyClick(window->cmdClose, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), window->cmdClose);
        }
    }
};

}  // namespace quillday::test

QTEST_MAIN(quillday::test::InfoWindowsTest)
#include "info_windows_test.moc"
