// Message boxes, the screen and application objects, and the dialog calls.
#include "FormsTest.h"
#include "platform/vb/Err.h"

using namespace forms;

namespace {

using Runtime = formstest::FormsTest;

TEST_F(Runtime, EveryBoxIsLoggedWithItsTextStyleAndTitle) {
    EXPECT_EQ(MsgBox("Du må åpne fil/database først!", vbExclamation), vbOK);
    EXPECT_EQ(MsgBox("Linje 1\rLinje 2\r\nLinje 3", vbYesNo + vbQuestion, "Slette"), vbYes);
    ASSERT_EQ(host().boxes.size(), 2u);
    EXPECT_EQ(host().boxes[0].title, "KvistrelDommer");
    EXPECT_EQ(host().boxes[0].icon(), vbExclamation);
    EXPECT_EQ(host().boxes[1].prompt, "Linje 1\rLinje 2\r\nLinje 3");
    EXPECT_EQ(host().boxes[1].title, "Slette");
    EXPECT_EQ(host().boxes[1].buttons(), vbYesNo);
}

TEST_F(Runtime, ScriptedAnswersComeFirstThenTheDefaultButton) {
    host().setNextAnswer(vbNo);
    host().setNextAnswer(vbCancel);
    EXPECT_EQ(MsgBox("a", vbYesNoCancel), vbNo);
    EXPECT_EQ(MsgBox("b", vbYesNoCancel), vbCancel);
    EXPECT_EQ(MsgBox("c", vbYesNoCancel), vbYes);
    EXPECT_EQ(MsgBox("d", vbYesNoCancel + vbDefaultButton3), vbCancel);
    EXPECT_EQ(MsgBox("e", vbRetryCancel + vbDefaultButton2), vbCancel);
    EXPECT_EQ(MsgBox("f", vbAbortRetryIgnore + vbDefaultButton2), vbRetry);
    // A default beyond the buttons falls back to the first.
    EXPECT_EQ(MsgBox("g", vbOKOnly + vbDefaultButton3), vbOK);
}

TEST_F(Runtime, AnswersOfEachButtonSet) {
    const std::vector<std::pair<int, std::vector<int>>> sets = {
        {vbOKOnly, {vbOK}},
        {vbOKCancel, {vbOK, vbCancel}},
        {vbAbortRetryIgnore, {vbAbort, vbRetry, vbIgnore}},
        {vbYesNoCancel, {vbYes, vbNo, vbCancel}},
        {vbYesNo, {vbYes, vbNo}},
        {vbRetryCancel, {vbRetry, vbCancel}},
    };
    for (const auto& [style, answers] : sets)
        EXPECT_EQ((MsgBoxRequest{"", style + vbCritical + vbDefaultButton2, "t"}.answers()), answers) << style;
}

TEST_F(Runtime, MousePointerAndResetRuntime) {
    Screen.SetMousePointer(vbHourglass);
    Screen.SetMousePointer(vbDefault);
    EXPECT_EQ(host().pointers, (std::vector<int>{vbHourglass, vbDefault}));
    App.Path = "/tmp/prog";
    Screen.Width = 9600;
    host().setNextAnswer(vbNo);
    MsgBox("x");
    ResetRuntime();
    EXPECT_TRUE(host().pointers.empty());
    EXPECT_TRUE(host().boxes.empty());
    EXPECT_TRUE(host().answers.empty());
    EXPECT_EQ(App.Path, "");
    EXPECT_EQ(Screen.Width, 15360);
    EXPECT_EQ(Screen.TwipsPerPixelX, 15);
}

struct OtherHost : HeadlessHost {
    int messageBox(const MsgBoxRequest&) override { return vbIgnore; }
};

TEST_F(Runtime, AnotherHostTakesTheCalls) {
    OtherHost other;
    SetHost(&other);
    EXPECT_EQ(MsgBox("x"), vbIgnore);
    Beep();
    EXPECT_EQ(other.beeps, 1);
    EXPECT_EQ(host().beeps, 0);
    SetHost(nullptr);
    EXPECT_EQ(&CurrentHost(), &host());
}

struct Main : Form {
    Main() : Form("Hovedmeny2") {}
    CommonDialog cmdialog1{this, "cmdialog1"};
    Timer Timer1{this, "Timer1"};
    StatusBar Status{this, "Status"};
};

TEST_F(Runtime, PrinterSetupCancelRaisesOnlyWithCancelError) {
    auto& d = Default<Main>().cmdialog1;
    host().printerSetupAnswer = false;
    d.ShowPrinter();
    d.CancelError = true;
    try {
        d.SetAction(5);
        ADD_FAILURE() << "no error on cancel";
    } catch (const vb::Err& e) {
        EXPECT_EQ(e.Number, 32755);
    }
    host().printerSetupAnswer = true;
    d.SetAction(5);
    EXPECT_EQ(host().printerSetups, 3);
    EXPECT_THROW(d.SetAction(1), vb::Err);
}

TEST_F(Runtime, HelpQuitClosesTheViewerInsteadOfOpeningIt) {
    auto& d = Default<Main>().cmdialog1;
    d.HelpFile = "/prog/KVISTREL.HLP";
    d.ShowHelp();
    d.HelpCommand = 2;
    d.ShowHelp();
    EXPECT_EQ(host().helpOpened, (std::vector<std::string>{"/prog/KVISTREL.HLP"}));
    EXPECT_EQ(host().helpClosed, (std::vector<std::string>{"/prog/KVISTREL.HLP"}));
}

TEST_F(Runtime, TimerTicksOnlyWhenEnabledWithAnInterval) {
    auto& t = Default<Main>().Timer1;
    int ticks = 0;
    t.Timer_ = [&] { ++ticks; };
    t.Fire();
    t.SetInterval(15000);
    t.Fire();
    t.SetEnabled(false);
    t.Fire();
    EXPECT_EQ(ticks, 1);
}

// A poll runs once a tick until it says it is done; one that raises is told and stops.
TEST_F(Runtime, PollsRunEachTickUntilDoneOrFailed) {
    int klar = 0, feil = 0;
    Poll(100, [&] { return ++klar < 3; });
    Poll(100, [&] {
        if (++feil == 2) vb::Raise(vb::errnum::Overflow);
        return true;
    });
    int ticks = 0;
    while (host().runPolls()) ++ticks;
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(klar, 3);
    EXPECT_EQ(feil, 2);
    ASSERT_EQ(host().boxes.size(), 1u);
    EXPECT_EQ(host().boxes[0].prompt, "Årsak :  Overflyt");
}

TEST_F(Runtime, StatusPanelsCountFromOne) {
    auto& s = Default<Main>().Status;
    s.SetPanelCount(2);
    s.SetPanelText(2, "kl. 08:15");
    EXPECT_EQ(s.PanelText(1), "");
    EXPECT_EQ(s.PanelText(2), "kl. 08:15");
    EXPECT_THROW(s.PanelText(0), vb::Err);
    EXPECT_THROW(s.SetPanelText(3, "x"), vb::Err);
}

} // namespace
