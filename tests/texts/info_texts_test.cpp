// The texts the Help, Credits and Calendars windows show, in each language
// (English where a language has none of its own), and the web addresses in
// them: only the program's own, the user guide beside the program.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>
#include <memory>

#include "services/web_addresses.h"
#include "texts/frm_calendars.h"
#include "texts/frm_credits.h"
#include "texts/frm_help.h"
#include "texts/info_texts.h"
#include "window_helpers.h"

namespace quillday::test {
namespace {

enum class Window { Help, Credits, Calendars };

// The window as it stands after activation in the language.
std::unique_ptr<InfoWindow> Activated(Window window, GEN_TEXT::LanguageCode language) {
    GEN_TEXT::currentLanguage = language;
    std::unique_ptr<InfoWindow> shown;
    if (window == Window::Help) {
        shown = std::make_unique<frmHelp>();
    } else if (window == Window::Credits) {
        shown = std::make_unique<frmCredits>();
    } else {
        shown = std::make_unique<frmCalendars>();
    }
    shown->Form_Activate();
    return shown;
}

// clang-format off
// Blanks, quotes and spellings of the passages stand as written.
const struct { Window window; GEN_TEXT::LanguageCode language; const char *caption, *close, *begin, *passage, *end; } kShownTexts[] = {
    {Window::Help, GEN_TEXT::German, "QLY Hilfe", "Schliessen", "Ein Datum im (engl.) \"Common Era\" Kalender (CE)", "", "(brauchen Sie ein Rechtmausklick)."},
    {Window::Help, GEN_TEXT::Portuguese, "QLY Ajuda", "Fechar", "A Common Era (CE) date is a date", "where New Year's Day  is day 001", "paste it into your browser (use a right mouse click)."},
    {Window::Help, GEN_TEXT::English, "QLY Help", "Close", "A Common Era (CE) date is a date", "plus one day, \"Intercalarius\", at the end", "(use a right mouse click)."},
    {Window::Credits, GEN_TEXT::Spanish, "Créditos", "Cerrar", "Diseño y programación (Mayo 2000 - Marzo 2001): los desarrolladores de Quillday\n", "\nTraducción al Alemán: los desarrolladores de Quillday\n", "Probadores de versiones beta: los desarrolladores de Quillday"},
    {Window::Credits, GEN_TEXT::Portuguese, "???", "Fechar", "Design and programming (May 2000 - March 2001): the Quillday developers\n", "", "Beta testers: the Quillday developers\n\n"},
    {Window::Calendars, GEN_TEXT::English, "QLY Calendars", "Close", "This software implements three calendars: the Common Era (CE)", "Intercalarius (1), in leap yars.\n\n", "paste them into your browser\n(highlight then right mouse click)."},
    {Window::Calendars, GEN_TEXT::German, "QLY Kalender", "Schliessen", "", "Mittwoch, Donnerstag,Freitag, Samstag.", ""},
    {Window::Calendars, GEN_TEXT::German, "QLY Kalender", "Schliessen", "", "Annus Nova Daten werden immer mit dem Datumstrennzeichen  \"-\" geschrieben.", ""},
    {Window::Calendars, GEN_TEXT::Spanish, "QLY Calendarios", "Cerrar", "", "= 10520-1-1 AN\n\n", ""},
    {Window::Calendars, GEN_TEXT::French, "QLY ", "???", "", "", ""},
};
// clang-format on

QStringList AllAddresses() {
    return {UserGuideAddress(), MakerHomePageAddress(), AnnusNovusRulesAddress(),
            JulianGregorianCalendarsAddress(), JulianDayNumbersAddress()};
}

}  // namespace

class InfoTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { GEN_TEXT::InitTexts(); }
    void cleanup() { GEN_TEXT::InitTexts(); }

    void eachWindowShowsItsTextInTheLanguage() {
        for (const auto& r : kShownTexts) {
            const auto window = Activated(r.window, r.language);
            const QString shown = ShownText(*window);
            QCOMPARE(window->windowTitle(), QString(r.caption));
            QCOMPARE(window->cmdClose->text(), QString(r.close));
            QVERIFY2(
                shown.startsWith(r.begin) && shown.contains(r.passage) && shown.endsWith(r.end),
                qPrintable(shown.left(80) + " ... " + shown.right(80)));
            QCOMPARE(shown.isEmpty(), r.language == GEN_TEXT::French);
        }
    }

    void windowsShowOnlyTheProgramsAddresses() {
        const QStringList known = AllAddresses();
        const QRegularExpression address(R"((?:https?|file):\S+)");
        QStringList shown;
        for (const InfoTextSlots* table : {&HelpTexts(), &CreditsTexts(), &CalendarsTexts()}) {
            for (const InfoText& text : *table) {
                for (auto found = address.globalMatch(ComposeText(text)); found.hasNext();) {
                    shown << found.next().captured();
                }
            }
        }
        for (const QString& each : known) {
            QVERIFY2(shown.contains(each), qPrintable(each));
        }
        for (const QString& each : shown) {
            QVERIFY2(known.contains(each), qPrintable(each));
        }
    }

    // Opened as a local file beside the program, the guide reaches out for
    // nothing, and the Annus Novus address leads to the calendar's rules.
    void theUserGuideStandsAloneAndStatesTheRules() {
        const QFileInfo guide(QUrl(UserGuideAddress()).toLocalFile());
        QCOMPARE(guide.absoluteDir(), QDir(QCoreApplication::applicationDirPath()));
        QFile file(guide.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.startsWith("<!DOCTYPE html>"));
        for (const char* outside : {"src=", "<link", "http"}) {
            QVERIFY2(!text.contains(outside), outside);
        }
        const QUrl rules(AnnusNovusRulesAddress());
        QCOMPARE(rules.adjusted(QUrl::RemoveFragment), QUrl(UserGuideAddress()));
        const QString section =
            text.mid(text.indexOf("id=\"" + rules.fragment() + "\"")).simplified();
        QVERIFY(
            section.contains("(i) the year + 281 is divisible by 4 but not by 100 or (ii) the "
                             "year + 281 is divisible by 400."));
        QVERIFY(section.contains("2000-12-19 JC = 2001-01-01 CE = 10520-01-01 AN"));
    }
};

}  // namespace quillday::test

QTEST_MAIN(quillday::test::InfoTextsTest)
#include "info_texts_test.moc"
