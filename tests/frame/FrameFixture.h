#pragma once
// A clean program for each test: headless host, fresh windows and variables,
// a temporary program folder and the data folder under the test's HOME.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "state/ProgramState.h"
#include "support/Programtilstand.h"
#include "support/TestEnv.h"

namespace kdtest {

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    forms::HeadlessHost& host() { return forms::Headless(); }
    // Texts of the boxes shown so far.
    std::vector<std::string> boxTexts() const;
    // Names of the loaded windows.
    static std::vector<std::string> loadedNames();
    static bool loaded(const std::string& formName);
    // A new tournament database in the program folder, created as the menu does
    // it and closed again; returns its path.
    std::string makeDatabase(const std::string& name);
    // Adds one referee row to the database at path.
    static void addReferee(const std::string& path, int number);

    TempDir program;
    std::string dataFolder;
};

} // namespace kdtest
