#include "datelib/engine.h"

#include <filesystem>
#include <system_error>

#include "shared_library.h"

namespace datelib {

namespace {

constexpr const char* kEngineName = "daymath";

template <typename Function>
void Bind(void* library, const std::string& path, Function*& slot, const char* name) {
    std::string reason;
    void* symbol = platform::FindSymbol(library, name, reason);
    if (symbol == nullptr) {
        throw EngineLoadError("The calendar engine " + path + " lacks the operation " + name +
                              ": " + reason);
    }
    slot = reinterpret_cast<Function*>(symbol);
}

EngineApi BindAll(void* library, const std::string& path) {
    EngineApi api{};
    Bind(library, path, api.euroDateToJdn, "euro_date_to_jdn");
    Bind(library, path, api.jdnToEuroDate, "jdn_to_euro_date");
    Bind(library, path, api.annusNovusDateToJdn, "annus_novus_date_to_jdn");
    Bind(library, path, api.jdnToAnnusNovusDate, "jdn_to_annus_novus_date");
    Bind(library, path, api.euroDayOfWeek, "euro_day_of_week");
    Bind(library, path, api.strToDate, "str_to_date");
    Bind(library, path, api.separateThousands, "separate_thousands");
    Bind(library, path, api.daysElapsed, "days_elapsed");
    return api;
}

// The copy beside the program wins over the installed one and one on the
// system's library path, which the bare name finds.
std::string EnginePath() {
    const std::string folder = platform::ProgramFolder();
    if (!folder.empty()) {
        const std::string besideProgram = folder + EngineFileName();
        std::error_code ignored;
        if (std::filesystem::exists(besideProgram, ignored)) {
            return besideProgram;
        }
    }
    return EngineFileName();
}

}  // namespace

std::string EngineFileName() {
    return platform::LibraryFileName(kEngineName);
}

EngineApi LoadEngine(const std::string& path) {
    std::string reason;
    void* library = platform::OpenLibrary(path, reason);
    if (library == nullptr) {
        throw EngineLoadError("Cannot load the calendar engine " + path + ": " + reason);
    }
    return BindAll(library, path);
}

EngineApi LoadProgramEngine() {
    return LoadEngine(EnginePath());
}

const EngineApi& Engine() {
    static const EngineApi api = LoadProgramEngine();
    return api;
}

}  // namespace datelib
