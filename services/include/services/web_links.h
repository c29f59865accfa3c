// Opening a web page in the user's browser.
#ifndef SERVICES_WEB_LINKS_H
#define SERVICES_WEB_LINKS_H

#include <QString>

#include "services/seams.h"

namespace quillday {

// Shown, in English in every language, when the browser cannot be started.
inline constexpr const char* kBrowserErrorText =
    "Error launching web browser. Please make sure that your web browser is correctly installed "
    "and configured";

// Hands the address to the browser through the opener; when that fails,
// shows kBrowserErrorText once with an exclamation icon and the
// application's title.
void OpenWebPage(const QString& address, WebOpener& opener, MessageBoxes& messageBoxes);

}  // namespace quillday

#endif
