// The message the program shows when its engine cannot be bound names the
// library and what is missing.
#include "datelib/engine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// How the system's message that a library file does not exist ends (Wine
// says "Module not found.", Windows "The specified module could not be found.").
#if defined(_WIN32)
constexpr const char* kNoSuchFile = "found.";
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
    const std::string missing = std::filesystem::absolute("/nonexistent/folder/daymath").string();
    const std::string noLibrary = LoadFailure(missing);
    EXPECT_TRUE(noLibrary.starts_with("Cannot load the calendar engine " + missing + ": "))
        << noLibrary;
    EXPECT_TRUE(noLibrary.ends_with(kNoSuchFile)) << noLibrary;
    const std::string lacking = LACKING_OPERATION_LIBRARY;
    const std::string noOperation = LoadFailure(lacking);
    EXPECT_TRUE(noOperation.starts_with("The calendar engine " + lacking +
                                        " lacks the operation euro_date_to_jdn: "))
        << noOperation;
    EXPECT_FALSE(noOperation.ends_with(": ")) << "no reason given";
}

}  // namespace
