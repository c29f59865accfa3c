// Every web address the program shows or opens, kept in this one place.
// The program ships its own user guide as an HTML page in each language of
// the window; the calendar articles are public encyclopedia pages.
#ifndef SERVICES_WEB_ADDRESSES_H
#define SERVICES_WEB_ADDRESSES_H

#include <QString>
#include <string_view>

#include "texts/gen_text.h"

namespace quillday {

// The file name of the user guide in the language: "quillday-guide.html"
// (English), "quillday-guide.de.html" (German), "quillday-guide.es.html"
// (Spanish); the English guide for a language that has none of its own.
// The guides lie beside the program in the build tree and on Windows, in
// the documentation folder (share/doc/quillday) once installed elsewhere.
std::string_view UserGuideFileName(GEN_TEXT::LanguageCode language);

// The anchor of the guide's section on the Annus Novus rules, the same in
// every language's guide.
inline constexpr const char* kAnnusNovusSection = "annus-novus";

// The file URL of the user guide in the language: the one in the program's
// folder when there is one, else the installed one, e.g.
// "file:///usr/share/doc/quillday/quillday-guide.de.html" for /usr/bin/qly734
// in German. Reads the program's folder from the application object, which
// must exist.
QString UserGuideAddress(GEN_TEXT::LanguageCode language);

// The maker's home page: the user guide, the only page the program ships.
QString MakerHomePageAddress(GEN_TEXT::LanguageCode language);

// The user guide's section on the Annus Novus calendar and its rules:
// UserGuideAddress(language) followed by "#annus-novus".
QString AnnusNovusRulesAddress(GEN_TEXT::LanguageCode language);

// An encyclopedia article on the Julian and Gregorian calendars (https).
QString JulianGregorianCalendarsAddress();

// An encyclopedia article on Julian day numbers (https).
QString JulianDayNumbersAddress();

}  // namespace quillday

#endif
