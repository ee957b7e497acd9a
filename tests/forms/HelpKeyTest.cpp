// The platform's help key.
#include "FormsTest.h"

namespace {

using formstest::FormsTest;

// The help key opens the program's help file from any window once the main window set it.
TEST_F(FormsTest, TheHelpKeyOpensTheHelpFileOnceItIsSet) {
    forms::Form f("Skjema");
    f.Load();
    constexpr int F1 = 112, F2 = 113, Shift = 1;
    f.UserKeyDown(F1, 0);
    EXPECT_TRUE(host().helpOpened.empty());
    forms::App.HelpFile = "/program/KVISTREL.HLP";
    f.UserKeyDown(F2, 0);
    f.UserKeyDown(F1, Shift);
    EXPECT_TRUE(host().helpOpened.empty());
    f.UserKeyDown(F1, 0);
    EXPECT_EQ(host().helpOpened, std::vector<std::string>{"/program/KVISTREL.HLP"});
}

} // namespace
