// Every web address the program shows or opens, kept in this one place.
// The program ships its own user guide as an HTML page; the calendar
// articles are public encyclopedia pages.
#ifndef SERVICES_WEB_ADDRESSES_H
#define SERVICES_WEB_ADDRESSES_H

#include <QString>

namespace quillday {

// The file name of the user guide: beside the program in the build tree and
// on Windows, in the documentation folder (share/doc/quillday) once
// installed elsewhere.
inline constexpr const char* kUserGuideFileName = "quillday-guide.html";

// The anchor of the guide's section on the Annus Novus rules.
inline constexpr const char* kAnnusNovusSection = "annus-novus";

// The file URL of the user guide: the one in the program's folder when
// there is one, else the installed one, e.g.
// "file:///usr/share/doc/quillday/quillday-guide.html" for /usr/bin/qly734.
// Reads the program's folder from the application object, which must exist.
QString UserGuideAddress();

// The maker's home page: the user guide, the only page the program ships.
QString MakerHomePageAddress();

// The user guide's section on the Annus Novus calendar and its rules:
// UserGuideAddress() followed by "#annus-novus".
QString AnnusNovusRulesAddress();

// An encyclopedia article on the Julian and Gregorian calendars (https).
QString JulianGregorianCalendarsAddress();

// An encyclopedia article on Julian day numbers (https).
QString JulianDayNumbersAddress();

}  // namespace quillday

#endif
