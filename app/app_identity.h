// Who the program is to the system: its names and version, its desktop entry
// and its icon.
#ifndef APP_APP_IDENTITY_H
#define APP_APP_IDENTITY_H

#include <QIcon>

namespace quillday {

// The application id, in reverse-DNS form: the name of the desktop entry
// (without ".desktop"), of the icon and of the AppStream data.
inline constexpr const char* kApplicationId = "org.example.Quillday";

// Sets the organisation and program names ("Quillday", "qly734"), which also
// place the settings file, and the version ("7.3.4"). Needs no application
// object, so the command line can be answered before the window system starts.
void SetProgramNames();

// Ties the running program to its desktop entry and gives every window the
// program's icon. Call it once the QApplication exists.
void SetDesktopIdentity();

// The program's icon, built in: the calendar leaf at 16 to 256 pixels.
QIcon ApplicationIcon();

}  // namespace quillday

#endif
