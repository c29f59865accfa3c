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
#include "texts/info_texts.h"
#include "window_helpers.h"

namespace quillday::test {
namespace {

enum class Window { Help, Credits, Calendars };

std::unique_ptr<InfoWindow> Make(Window window) {
    switch (window) {
        case Window::Help:
            return std::make_unique<frmHelp>();
        case Window::Credits:
            return std::make_unique<frmCredits>();
        case Window::Calendars:
            break;
    }
    return std::make_unique<frmCalendars>();
}

// The window as it stands after activation in the language.
std::unique_ptr<InfoWindow> Activated(Window window, GEN_TEXT::LanguageCode language) {
    GEN_TEXT::currentLanguage = language;
    std::unique_ptr<InfoWindow> shown = Make(window);
    shown->Form_Activate();
    return shown;
}

QStringList Paragraphs(const QString& shown) {
    return shown.split("\n\n");
}

}  // namespace
}  // namespace quillday::test

Q_DECLARE_METATYPE(quillday::test::Window)
Q_DECLARE_METATYPE(GEN_TEXT::LanguageCode)

namespace quillday::test {

class InfoTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { GEN_TEXT::InitTexts(); }
    void cleanup() { GEN_TEXT::InitTexts(); }

    void CaptionAndCloseFollowTheLanguage_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<GEN_TEXT::LanguageCode>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("close");
        QTest::newRow("help German") << Window::Help << GEN_TEXT::German << "QLY Hilfe"
                                     << "Schliessen";
        QTest::newRow("help Portuguese") << Window::Help << GEN_TEXT::Portuguese << "QLY Ajuda"
                                         << "Fechar";
        QTest::newRow("credits Spanish") << Window::Credits << GEN_TEXT::Spanish << "Créditos"
                                         << "Cerrar";
        QTest::newRow("credits Portuguese") << Window::Credits << GEN_TEXT::Portuguese << "???"
                                            << "Fechar";
        QTest::newRow("calendars English")
            << Window::Calendars << GEN_TEXT::English << "QLY Calendars"
            << "Close";
        QTest::newRow("calendars French") << Window::Calendars << GEN_TEXT::French << "QLY "
                                          << "???";
    }

    void CaptionAndCloseFollowTheLanguage() {
        QFETCH(Window, window);
        QFETCH(GEN_TEXT::LanguageCode, language);
        QFETCH(QString, caption);
        QFETCH(QString, close);
        const auto shown = Activated(window, language);
        QCOMPARE(shown->windowTitle(), caption);
        QCOMPARE(shown->cmdClose->text(), close);
    }

    void TextBeginsAndEndsAsWritten_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<GEN_TEXT::LanguageCode>("language");
        QTest::addColumn<QString>("begin");
        QTest::addColumn<QString>("end");
        QTest::newRow("help English")
            << Window::Help << GEN_TEXT::English << "A Common Era (CE) date is a date"
            << "(use a right mouse click).";
        QTest::newRow("help German") << Window::Help << GEN_TEXT::German
                                     << "Ein Datum im (engl.) \"Common Era\" Kalender (CE)"
                                     << "(brauchen Sie ein Rechtmausklick).";
        QTest::newRow("calendars English")
            << Window::Calendars << GEN_TEXT::English
            << "This software implements three calendars: the Common Era (CE)"
            << "You can select these URLs and paste them into your browser\n"
               "(highlight then right mouse click).";
        QTest::newRow("credits English")
            << Window::Credits << GEN_TEXT::English
            << "Design and programming (May 2000 - March 2001): the Quillday developers\n"
            << "Beta testers: the Quillday developers\n\n";
        QTest::newRow("help Portuguese shows English")
            << Window::Help << GEN_TEXT::Portuguese << "A Common Era (CE) date is a date"
            << "(use a right mouse click).";
        QTest::newRow("credits French shows English")
            << Window::Credits << GEN_TEXT::French
            << "Design and programming (May 2000 - March 2001): the Quillday developers\n"
            << "Beta testers: the Quillday developers\n\n";
        QTest::newRow("calendars Portuguese is empty")
            << Window::Calendars << GEN_TEXT::Portuguese << QString() << QString();
    }

    void TextBeginsAndEndsAsWritten() {
        QFETCH(Window, window);
        QFETCH(GEN_TEXT::LanguageCode, language);
        QFETCH(QString, begin);
        QFETCH(QString, end);
        const QString shown = ShownText(*Activated(window, language));
        QVERIFY2(shown.startsWith(begin), qPrintable(shown.left(120)));
        QVERIFY2(shown.endsWith(end), qPrintable(shown.right(120)));
        QCOMPARE(shown.isEmpty(), begin.isEmpty());
    }

    // The closing block holds the addresses; its lines are exact.
    void ClosingBlockIsExact_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<GEN_TEXT::LanguageCode>("language");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<QStringList>("lines");
        const QString guide = UserGuideAddress();
        const QString julianGregorian = JulianGregorianCalendarsAddress();
        const QString annusNovus = AnnusNovusRulesAddress();
        const QString julianDay = JulianDayNumbersAddress();
        QTest::newRow("help English")
            << Window::Help << GEN_TEXT::English << 9
            << QStringList{"For further information click on 'Calendars'.  See also the web page",
                           guide,
                           "You can select this URL and paste it into your browser (use a right "
                           "mouse click)."};
        QTest::newRow("calendars English")
            << Window::Calendars << GEN_TEXT::English << 10
            << QStringList{"Further information is available at these websites: ",
                           "Julian/Gregorian Calendar: " + julianGregorian,
                           "Annus Novus Calendar: " + annusNovus,
                           "Julian day numbers: " + julianDay,
                           "You can select these URLs and paste them into your browser",
                           "(highlight then right mouse click)."};
        QTest::newRow("credits Spanish")
            << Window::Credits << GEN_TEXT::Spanish << 1
            << QStringList{
                   "Diseño y programación (Mayo 2000 - Marzo 2001): los desarrolladores "
                   "de Quillday",
                   "Traducción al Alemán: los desarrolladores de Quillday",
                   "Traducción al Español: los desarrolladores de Quillday",
                   "Probadores de versiones beta: los desarrolladores de Quillday"};
    }

    void ClosingBlockIsExact() {
        QFETCH(Window, window);
        QFETCH(GEN_TEXT::LanguageCode, language);
        QFETCH(int, paragraphs);
        QFETCH(QStringList, lines);
        const QStringList shown = Paragraphs(ShownText(*Activated(window, language)));
        QCOMPARE(shown.size(), paragraphs);
        QCOMPARE(shown.last().split("\n"), lines);
    }

    void WordingStandsAsWritten_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<GEN_TEXT::LanguageCode>("language");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("two blanks after New Year's Day")
            << Window::Help << GEN_TEXT::English << "where New Year's Day  is day 001";
        QTest::newRow("straight quotes, English")
            << Window::Help << GEN_TEXT::English << "plus one day, \"Intercalarius\", at the end";
        QTest::newRow("leap yars")
            << Window::Calendars << GEN_TEXT::English << "Intercalarius (1), in leap yars.\n\n";
        QTest::newRow("dash between quotes, English")
            << Window::Calendars << GEN_TEXT::English
            << "always written with \"-\" as date separator.  The date format";
        QTest::newRow("two blanks before the dash, German")
            << Window::Calendars << GEN_TEXT::German
            << "Annus Nova Daten werden immer mit dem Datumstrennzeichen  \"-\" geschrieben.";
        QTest::newRow("Donnerstag,Freitag")
            << Window::Calendars << GEN_TEXT::German
            << "7 Tagen:  Sonntag, Montag, Dienstag, Mittwoch, Donnerstag,Freitag, Samstag.";
        QTest::newRow("short Annus Novus date")
            << Window::Calendars << GEN_TEXT::Spanish << "= 10520-1-1 AN\n\n";
    }

    void WordingStandsAsWritten() {
        QFETCH(Window, window);
        QFETCH(GEN_TEXT::LanguageCode, language);
        QFETCH(QString, fragment);
        const QString shown = ShownText(*Activated(window, language));
        QVERIFY2(shown.contains(fragment), qPrintable(fragment));
        QVERIFY(!shown.contains(QChar(0x00AB)) && !shown.contains(QChar(0x00BB)));
    }
};

}  // namespace quillday::test

QTEST_MAIN(quillday::test::InfoTextsTest)
#include "info_texts_test.moc"
