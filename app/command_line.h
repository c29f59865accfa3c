// qly734's command line: --help and --version, and a usage error for anything
// else. It is read before the window system starts, so these answers need no
// display; Qt's own options (-platform, -style, ...) are left to QApplication.
#ifndef APP_COMMAND_LINE_H
#define APP_COMMAND_LINE_H

#include <optional>

namespace quillday {

// Exit code of a command line that could not be understood.
inline constexpr int kUsageError = 2;

// Answers --help and --version on standard output (exit code 0) and reports
// an unknown option or an argument on standard error (kUsageError). Returns
// the exit code when the program should end there, nothing when it should
// start. The program names must be set (SetProgramNames).
std::optional<int> AnswerCommandLine(int& argc, char** argv);

}  // namespace quillday

#endif
