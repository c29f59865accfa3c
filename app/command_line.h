// qly734's command line: --help and --version, and a usage error for anything
// else. It is read before the window system starts, so these answers need no
// display; Qt's own options (-platform, -style, ...) are left to QApplication.
// Without a display to open the window on, the program ends there too: Qt
// would abort with a core dump.
#ifndef APP_COMMAND_LINE_H
#define APP_COMMAND_LINE_H

#include <QProcessEnvironment>
#include <QStringList>
#include <optional>

namespace quillday {

// Exit code of a command line that could not be understood.
inline constexpr int kUsageError = 2;

// Exit code when there is no display to open the window on.
inline constexpr int kNoDisplay = 1;

// True when Qt would look for its default platform, an X11 or Wayland
// display, and none is named: neither "-platform NAME" among the arguments
// (those after the program's name) nor QT_QPA_PLATFORM chooses a platform,
// and neither DISPLAY, WAYLAND_DISPLAY nor "-display NAME" names a display.
// Qt also takes "--platform" and "--display"; an empty value names nothing.
// Always false on Windows and macOS, whose platforms need no display named.
bool LacksDisplay(const QStringList& arguments, const QProcessEnvironment& environment);

// Answers --help and --version on standard output (exit code 0), reports
// an unknown option or an argument on standard error (kUsageError), and
// says in one line on standard error when there is no display (kNoDisplay,
// see LacksDisplay). Returns the exit code when the program should end
// there, nothing when it should start. The program names must be set
// (SetProgramNames).
std::optional<int> AnswerCommandLine(int& argc, char** argv);

}  // namespace quillday

#endif
