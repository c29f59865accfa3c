// The message the program shows when its engine cannot be bound names the
// library and what is missing.
#include "datelib/engine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// How the system says that a library file does not exist.
#if defined(_WIN32)
constexpr const char* kNoSuchFile = "could not be found";
#else
constexpr const char* kNoSuchFile = "No such file or directory";
#endif

std::string LoadFailure(const std::string& path) {
    try {
        datelib::LoadEngine(path);
    } catch (const datelib::EngineLoadError& error) {
        return error.what();
    }
    return "loaded";
}

TEST(EngineLoader, FailuresNameTheLibraryAndTheMissingOperation) {
    const std::string missing = "/nonexistent/folder/libdaymath.so";
    const std::string lacking = LACKING_OPERATION_LIBRARY;
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {missing, "Cannot load the calendar engine " + missing + ": "},
        {lacking, "The calendar engine " + lacking + " lacks the operation euro_date_to_jdn: "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LoadFailure(c.path).rfind(c.message, 0), 0u) << LoadFailure(c.path);
    }
    EXPECT_NE(LoadFailure(missing).find(kNoSuchFile), std::string::npos) << LoadFailure(missing);
}

}  // namespace
