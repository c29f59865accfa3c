// Numbered callouts over a picture of the main window, for the user guide:
// each group of controls the guide explains is outlined and marked with its
// number.
#ifndef APP_WINDOW_CALLOUTS_H
#define APP_WINDOW_CALLOUTS_H

#include <QString>
#include <optional>

class QPixmap;
class QWidget;

namespace quillday {

// Draws the callouts of the main window's groups onto picture, a grab of
// window at its own size. Gives the name pattern of a group that matches
// no shown control of the window, and then draws nothing.
std::optional<QString> DrawWindowCallouts(const QWidget& window, QPixmap& picture);

}  // namespace quillday

#endif
