// Every web address the program shows or opens, kept in this one place.
// The program ships its own user guide as an HTML page beside the
// executable; the calendar articles are public encyclopedia pages.
#ifndef SERVICES_WEB_ADDRESSES_H
#define SERVICES_WEB_ADDRESSES_H

#include <QString>

namespace quillday {

// The file name of the user guide, installed in the program's folder.
inline constexpr const char* kUserGuideFileName = "quillday-guide.html";

// The anchor of the guide's section on the Annus Novus rules.
inline constexpr const char* kAnnusNovusSection = "annus-novus";

// The file URL of the user guide in the program's folder, e.g.
// "file:///opt/quillday/bin/quillday-guide.html". Reads the program's
// folder from the application object, which must exist.
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
