// Binding of the calendar engine, the shared library "daymath", at run time.
#ifndef DATELIB_ENGINE_H
#define DATELIB_ENGINE_H

#include <cstdint>
#include <stdexcept>
#include <string>

#include "daymath.h"

namespace datelib {

// The engine's eight operations, each bound by its exported name.
struct EngineApi {
    int32_t (*euroDateToJdn)(CalendarDate*);
    int32_t (*jdnToEuroDate)(CalendarDate*);
    int32_t (*annusNovusDateToJdn)(CalendarDate*);
    int32_t (*jdnToAnnusNovusDate)(CalendarDate*);
    int32_t (*euroDayOfWeek)(int32_t);
    int32_t (*strToDate)(const char*, int32_t, CalendarDate*, int32_t);
    int32_t (*separateThousands)(const char*, int32_t, char*);
    int32_t (*daysElapsed)(const CalendarDate*, const CalendarDate*, int32_t*);
};

// Raised when the library cannot be loaded or lacks an operation; what()
// names the library or the operation and gives the system's reason.
class EngineLoadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The platform's file name of the engine: "libdaymath.so", "daymath.dll".
std::string EngineFileName();

// Loads the library at the given path (or, for a bare file name, from the
// system's library path) and binds all eight operations. The library stays
// loaded for the rest of the run. Throws EngineLoadError.
EngineApi LoadEngine(const std::string& path);

// Loads the engine from where Engine() finds it: EngineFileName() from the
// program's own folder, else from the system's library path. Throws
// EngineLoadError.
EngineApi LoadProgramEngine();

// The engine, loaded on the first call: EngineFileName() from the program's
// own folder (the build tree, Windows), else by its bare name, which the
// dynamic loader looks up in the program's RUNPATH (the installed engine's
// private folder, $ORIGIN/../lib/quillday) and then in the system's library
// path. Throws EngineLoadError, and tries again on the next call.
const EngineApi& Engine();

}  // namespace datelib

#endif
