#include "engine_check.h"

#include <cstdio>

#include "datelib/engine.h"

namespace quillday {

bool EngineIsUsable(MessageBoxes& messageBoxes, const std::function<void()>& loadEngine) {
    try {
        loadEngine();
        return true;
    } catch (const datelib::EngineLoadError& error) {
        std::fprintf(stderr, "qly734: %s\n", error.what());
        messageBoxes.Error(nullptr, "Quillday", QString::fromLocal8Bit(error.what()));
        return false;
    }
}

}  // namespace quillday
