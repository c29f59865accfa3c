#include "services/web_addresses.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

namespace quillday {

namespace {

constexpr const char* kJulianGregorianArticle =
    "https://en.wikipedia.org/wiki/Conversion_between_Julian_and_Gregorian_calendars";
constexpr const char* kJulianDayArticle = "https://en.wikipedia.org/wiki/Julian_day";

// The guide beside the program (the build tree, Windows) wins; else the
// installed one in the documentation folder, even when missing, so that the
// address names where it belongs.
QString UserGuidePath() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString name = QString::fromLatin1(kUserGuideFileName);
    if (programFolder.exists(name)) {
        return programFolder.filePath(name);
    }
    const QDir guideFolder(programFolder.filePath(QStringLiteral(QUILLDAY_GUIDE_FROM_PROGRAMS)));
    return QDir::cleanPath(guideFolder.filePath(name));
}

QUrl UserGuideUrl() {
    return QUrl::fromLocalFile(UserGuidePath());
}

}  // namespace

// Fully encoded, so that an address copied out of a window pastes into any
// browser even when the folder's name holds blanks or accents.
QString UserGuideAddress() {
    return UserGuideUrl().toString(QUrl::FullyEncoded);
}

QString MakerHomePageAddress() {
    return UserGuideAddress();
}

QString AnnusNovusRulesAddress() {
    QUrl url = UserGuideUrl();
    url.setFragment(QString::fromLatin1(kAnnusNovusSection));
    return url.toString(QUrl::FullyEncoded);
}

QString JulianGregorianCalendarsAddress() {
    return QString::fromLatin1(kJulianGregorianArticle);
}

QString JulianDayNumbersAddress() {
    return QString::fromLatin1(kJulianDayArticle);
}

}  // namespace quillday
