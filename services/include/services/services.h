// The main window's outside world: the clock, message boxes, the web-page
// opener and the settings file's location. The window receives them at
// construction, so tests run it with fakes.
#ifndef SERVICES_SERVICES_H
#define SERVICES_SERVICES_H

#include <QString>
#include <memory>

#include "services/seams.h"

namespace quillday {

struct Services {
    std::shared_ptr<LocalClock> clock;
    std::shared_ptr<MessageBoxes> messageBoxes;
    std::shared_ptr<WebOpener> webOpener;
    QString settingsFilePath;
    // Where the settings go when settingsFilePath cannot be written: a file
    // in the user's application-data folder; empty for none.
    QString settingsFallbackPath;

    // The system's clock, Qt's message boxes, the desktop's browser and the
    // user's settings file.
    static Services Real();
};

}  // namespace quillday

#endif
