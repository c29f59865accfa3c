#include "services/web_addresses.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

namespace quillday {

namespace {

constexpr const char* kJulianGregorianArticle =
    "https://en.wikipedia.org/wiki/Conversion_between_Julian_and_Gregorian_calendars";
constexpr const char* kJulianDayArticle = "https://en.wikipedia.org/wiki/Julian_day";

// The guide of each language that has one; the first stands in for the
// others.
struct UserGuide {
    GEN_TEXT::LanguageCode language;
    std::string_view fileName;
};
constexpr UserGuide kUserGuides[] = {
    {GEN_TEXT::English, "quillday-guide.html"},
    {GEN_TEXT::German, "quillday-guide.de.html"},
    {GEN_TEXT::Spanish, "quillday-guide.es.html"},
};

// The guide beside the program (the build tree, Windows) wins; else the
// installed one in the documentation folder, even when missing, so that the
// address names where it belongs.
QString UserGuidePath(GEN_TEXT::LanguageCode language) {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const std::string_view fileName = UserGuideFileName(language);
    const QString name = QString::fromLatin1(fileName.data(), std::ssize(fileName));
    if (programFolder.exists(name)) {
        return programFolder.filePath(name);
    }
    const QDir guideFolder(programFolder.filePath(QStringLiteral(QUILLDAY_GUIDE_FROM_PROGRAMS)));
    return QDir::cleanPath(guideFolder.filePath(name));
}

QUrl UserGuideUrl(GEN_TEXT::LanguageCode language) {
    return QUrl::fromLocalFile(UserGuidePath(language));
}

}  // namespace

std::string_view UserGuideFileName(GEN_TEXT::LanguageCode language) {
    for (const UserGuide& guide : kUserGuides) {
        if (guide.language == language) {
            return guide.fileName;
        }
    }
    return kUserGuides[0].fileName;
}

// Fully encoded, so that an address copied out of a window pastes into any
// browser even when the folder's name holds blanks or accents.
QString UserGuideAddress(GEN_TEXT::LanguageCode language) {
    return UserGuideUrl(language).toString(QUrl::FullyEncoded);
}

QString MakerHomePageAddress(GEN_TEXT::LanguageCode language) {
    return UserGuideAddress(language);
}

QString AnnusNovusRulesAddress(GEN_TEXT::LanguageCode language) {
    QUrl url = UserGuideUrl(language);
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
