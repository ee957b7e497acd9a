#pragma once
// Shared by the forms tests: a clean runtime per test and a log of events
// that outlives the form instances writing into it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"

namespace formstest {

inline std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

inline forms::Event<> Note(std::string what) {
    return [what] { Log().push_back(what); };
}

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset() {
        forms::ResetDefaults();
        forms::ResetRuntime();
        Log().clear();
    }
    static forms::HeadlessHost& host() { return forms::Headless(); }
};

} // namespace formstest
