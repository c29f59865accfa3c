#include "services/web_addresses.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

namespace quillday {

namespace {

constexpr const char* kJulianGregorianArticle =
    "https://en.wikipedia.org/wiki/Conversion_between_Julian_and_Gregorian_calendars";
constexpr const char* kJulianDayArticle = "https://en.wikipedia.org/wiki/Julian_day";

QUrl UserGuideUrl() {
    const QDir folder(QCoreApplication::applicationDirPath());
    return QUrl::fromLocalFile(folder.filePath(QString::fromLatin1(kUserGuideFileName)));
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
