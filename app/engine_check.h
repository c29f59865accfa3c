#ifndef APP_ENGINE_CHECK_H
#define APP_ENGINE_CHECK_H

#include <functional>

#include "services/services.h"

namespace quillday {

// Loads the calendar engine. When it cannot be loaded, says why in an error
// message and on standard error, and returns false: the program cannot run.
bool EngineIsUsable(MessageBoxes& messageBoxes, const std::function<void()>& loadEngine);

}  // namespace quillday

#endif
