#include "datelib/engine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using datelib::EngineLoadError;
using datelib::LoadEngine;

std::string LoadFailure(const std::string& path) {
    try {
        LoadEngine(path);
    } catch (const EngineLoadError& error) {
        return error.what();
    }
    return "loaded";
}

TEST(EngineLoader, MissingLibraryGivesErrorNamingIt) {
    const std::string message = LoadFailure("/nonexistent/folder/libdaymath.so");
    EXPECT_NE(message.find("Cannot load the calendar engine"), std::string::npos) << message;
    EXPECT_NE(message.find("/nonexistent/folder/libdaymath.so"), std::string::npos) << message;
}

TEST(EngineLoader, LibraryLackingAnOperationGivesErrorNamingTheOperation) {
    const std::string message = LoadFailure(LACKING_OPERATION_LIBRARY);
    EXPECT_NE(message.find("lacks the operation days_elapsed"), std::string::npos) << message;
    EXPECT_NE(message.find(LACKING_OPERATION_LIBRARY), std::string::npos) << message;
}

TEST(EngineLoader, EngineBesideTheProgramBindsEveryOperation) {
    const datelib::EngineApi& api = datelib::Engine();
    EXPECT_NE(api.euroDateToJdn, nullptr);
    EXPECT_NE(api.jdnToEuroDate, nullptr);
    EXPECT_NE(api.annusNovusDateToJdn, nullptr);
    EXPECT_NE(api.jdnToAnnusNovusDate, nullptr);
    EXPECT_NE(api.euroDayOfWeek, nullptr);
    EXPECT_NE(api.strToDate, nullptr);
    EXPECT_NE(api.separateThousands, nullptr);
    EXPECT_NE(api.daysElapsed, nullptr);
    EXPECT_EQ(api.euroDayOfWeek(2451911), 1);  // 2001-01-01 was a Monday
}

}  // namespace
