// The texts the Help, Credits and Calendars windows show: captions, the exact
// beginning, end and closing block of the texts, the wording kept as it
// stands, and English where a language has no text of its own.
#include <QObject>
#include <QStringList>
#include <QTest>
#include <memory>

#include "services/web_addresses.h"
#include "texts/frm_calendars.h"
#include "texts/frm_credits.h"
#include "texts/frm_help.h"
#include "window_helpers.h"

namespace quillday::test {
namespace {

enum class Window { Help, Credits, Calendars };

constexpr auto kEnglish = GEN_TEXT::English;
constexpr auto kGerman = GEN_TEXT::German;
constexpr auto kSpanish = GEN_TEXT::Spanish;
constexpr auto kPortuguese = GEN_TEXT::Portuguese;
constexpr auto kFrench = GEN_TEXT::French;

// The window as it stands after activation in the language.
std::unique_ptr<InfoWindow> Activated(Window window, GEN_TEXT::LanguageCode language) {
    GEN_TEXT::currentLanguage = language;
    std::unique_ptr<InfoWindow> shown;
    switch (window) {
        case Window::Help:
            shown = std::make_unique<frmHelp>();
            break;
        case Window::Credits:
            shown = std::make_unique<frmCredits>();
            break;
        case Window::Calendars:
            shown = std::make_unique<frmCalendars>();
            break;
    }
    shown->Form_Activate();
    return shown;
}

QString Shown(Window window, GEN_TEXT::LanguageCode language) {
    return ShownText(*Activated(window, language));
}

}  // namespace

class InfoTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { GEN_TEXT::InitTexts(); }
    void cleanup() { GEN_TEXT::InitTexts(); }

    void CaptionAndCloseFollowTheLanguage() {
        const struct {
            Window window;
            GEN_TEXT::LanguageCode language;
            const char* caption;
            const char* close;
        } rows[] = {
            // clang-format off
            {Window::Help, kGerman, "QLY Hilfe", "Schliessen"},
            {Window::Help, kPortuguese, "QLY Ajuda", "Fechar"},
            {Window::Credits, kSpanish, "Créditos", "Cerrar"},
            {Window::Credits, kPortuguese, "???", "Fechar"},
            {Window::Calendars, kEnglish, "QLY Calendars", "Close"},
            {Window::Calendars, kFrench, "QLY ", "???"},
            // clang-format on
        };
        for (const auto& r : rows) {
            const auto shown = Activated(r.window, r.language);
            QCOMPARE(shown->windowTitle(), QString(r.caption));
            QCOMPARE(shown->cmdClose->text(), QString(r.close));
        }
    }

    // Help and Credits show English where a language has no text; the
    // Calendars window stays empty there.
    void TextBeginsAndEndsAsWritten() {
        const struct {
            Window window;
            GEN_TEXT::LanguageCode language;
            const char* begin;
            const char* end;
        } rows[] = {
            // clang-format off
            {Window::Help, kEnglish, "A Common Era (CE) date is a date", "(use a right mouse click)."},
            {Window::Help, kPortuguese, "A Common Era (CE) date is a date", "(use a right mouse click)."},
            {Window::Help, kGerman, "Ein Datum im (engl.) \"Common Era\" Kalender (CE)",
             "(brauchen Sie ein Rechtmausklick)."},
            {Window::Calendars, kEnglish, "This software implements three calendars: the Common Era (CE)",
             "paste them into your browser\n(highlight then right mouse click)."},
            {Window::Calendars, kPortuguese, "", ""},
            {Window::Credits, kFrench,
             "Design and programming (May 2000 - March 2001): the Quillday developers\n",
             "Beta testers: the Quillday developers\n\n"},
            // clang-format on
        };
        for (const auto& r : rows) {
            const QString shown = Shown(r.window, r.language);
            QVERIFY2(shown.startsWith(r.begin), qPrintable(shown.left(120)));
            QVERIFY2(shown.endsWith(r.end), qPrintable(shown.right(120)));
            QCOMPARE(shown.isEmpty(), QString(r.begin).isEmpty());
        }
    }

    // The closing block holds the addresses; its lines are exact.
    void ClosingBlockIsExact() {
        const struct {
            Window window;
            GEN_TEXT::LanguageCode language;
            int paragraphs;
            QStringList lines;
        } rows[] = {
            {Window::Help,
             kEnglish,
             9,
             {"For further information click on 'Calendars'.  See also the web page",
              UserGuideAddress(),
              "You can select this URL and paste it into your browser (use a right mouse "
              "click)."}},
            {Window::Calendars,
             kEnglish,
             10,
             {"Further information is available at these websites: ",
              "Julian/Gregorian Calendar: " + JulianGregorianCalendarsAddress(),
              "Annus Novus Calendar: " + AnnusNovusRulesAddress(),
              "Julian day numbers: " + JulianDayNumbersAddress(),
              "You can select these URLs and paste them into your browser",
              "(highlight then right mouse click)."}},
            {Window::Credits,
             kSpanish,
             1,
             {"Diseño y programación (Mayo 2000 - Marzo 2001): los desarrolladores de Quillday",
              "Traducción al Alemán: los desarrolladores de Quillday",
              "Traducción al Español: los desarrolladores de Quillday",
              "Probadores de versiones beta: los desarrolladores de Quillday"}},
        };
        for (const auto& r : rows) {
            const QStringList shown = Shown(r.window, r.language).split("\n\n");
            QCOMPARE(shown.size(), r.paragraphs);
            QCOMPARE(shown.last().split("\n"), r.lines);
        }
    }

    // Blanks, quotes and spellings stand as written.
    void WordingStandsAsWritten() {
        const struct {
            Window window;
            GEN_TEXT::LanguageCode language;
            const char* fragment;
        } rows[] = {
            // clang-format off
            {Window::Help, kEnglish, "where New Year's Day  is day 001"},
            {Window::Help, kEnglish, "plus one day, \"Intercalarius\", at the end"},
            {Window::Calendars, kEnglish, "Intercalarius (1), in leap yars.\n\n"},
            {Window::Calendars, kGerman, "Annus Nova Daten werden immer mit dem Datumstrennzeichen  \"-\" geschrieben."},
            {Window::Calendars, kGerman, "Mittwoch, Donnerstag,Freitag, Samstag."},
            {Window::Calendars, kSpanish, "= 10520-1-1 AN\n\n"},
            // clang-format on
        };
        for (const auto& r : rows) {
            QVERIFY2(Shown(r.window, r.language).contains(r.fragment), r.fragment);
        }
    }
};

}  // namespace quillday::test

QTEST_MAIN(quillday::test::InfoTextsTest)
#include "info_texts_test.moc"
