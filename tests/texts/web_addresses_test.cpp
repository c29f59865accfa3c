// The program's web addresses: each is well formed, the user guide lies
// beside the program, stands alone and states the Annus Novus rules, and the
// windows show no address but these.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include "services/web_addresses.h"
#include "texts/info_texts.h"

namespace quillday::test {

namespace {

QStringList AllAddresses() {
    return {UserGuideAddress(), MakerHomePageAddress(), AnnusNovusRulesAddress(),
            JulianGregorianCalendarsAddress(), JulianDayNumbersAddress()};
}

}  // namespace

class WebAddressesTest : public QObject {
    Q_OBJECT

  private slots:
    // Local addresses name the guide beside the program; the others are web pages.
    void EveryAddressIsWellFormed() {
        for (const QString& address : AllAddresses()) {
            const QUrl url(address, QUrl::StrictMode);
            QVERIFY2(url.isValid(), qPrintable(address));
            QVERIFY2(url.isLocalFile() || (url.scheme() == "https" && !url.host().isEmpty()),
                     qPrintable(address));
        }
        const QFileInfo guide(QUrl(UserGuideAddress()).toLocalFile());
        QVERIFY2(guide.isFile(), qPrintable(guide.filePath()));
        QCOMPARE(guide.absoluteDir(), QDir(QCoreApplication::applicationDirPath()));
    }

    // Opened as a local file, the guide reaches out for nothing; the Annus
    // Novus address leads to its statement of the calendar's rules.
    void GuideStandsAloneAndStatesTheAnnusNovusRules() {
        QFile file(QUrl(UserGuideAddress()).toLocalFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString guide = QString::fromUtf8(file.readAll());
        QVERIFY(guide.startsWith("<!DOCTYPE html>"));
        for (const char* outside : {"src=", "<link", "http"}) {
            QVERIFY2(!guide.contains(outside), outside);
        }
        const QUrl rules(AnnusNovusRulesAddress());
        QCOMPARE(rules.adjusted(QUrl::RemoveFragment), QUrl(UserGuideAddress()));
        const qsizetype section = guide.indexOf("id=\"" + rules.fragment() + "\"");
        QVERIFY(section > 0);
        const QString rulesText = guide.mid(section).simplified();
        for (const char* stated : {
                 "Primus (36), Secundus (37), Tertius (36), Quartus (37), Quintus (36), Sextarius "
                 "(37), Septimus (36), Octavus (37), Nonus (36), Decimus (37), plus an additional "
                 "month, Intercalarius (1), in leap years.",
                 "(i) the year + 281 is divisible by 4 but not by 100 or (ii) the year + 281 is "
                 "divisible by 400.",
                 "Primidi, Secundi, Tertidi, Quartidi, Quintidi.",
                 "2000-12-19 JC = 2001-01-01 CE = 10520-01-01 AN",
             }) {
            QVERIFY2(rulesText.contains(QString::fromLatin1(stated)), stated);
        }
    }

    void WindowsShowOnlyTheProgramsAddresses() {
        const QStringList known = AllAddresses();
        const QRegularExpression address(R"((?:https?|file):\S+)");
        for (const InfoTextSlots* table : {&HelpTexts(), &CreditsTexts(), &CalendarsTexts()}) {
            for (const InfoText& text : *table) {
                auto found = address.globalMatch(ComposeText(text));
                while (found.hasNext()) {
                    const QString shown = found.next().captured();
                    QVERIFY2(known.contains(shown), qPrintable(shown));
                }
            }
        }
    }
};

}  // namespace quillday::test

QTEST_MAIN(quillday::test::WebAddressesTest)
#include "web_addresses_test.moc"
