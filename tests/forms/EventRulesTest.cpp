// The rules by which setting a property raises the events the user's action would.
#include "FormsTest.h"
#include "platform/vb/Err.h"

using namespace forms;
using formstest::Log;
using formstest::Note;

namespace {

struct Classes : Form {
    Classes() : Form("Classes") {
        for (auto* o : {&Option4, &Option5, &Option10}) o->SetContainer(&Frame2);
        for (auto* o : {&Option14, &Option12}) o->SetContainer(&Frame3);
        Option4.Click = Note("Option4_Click");
        Option5.Click = Note("Option5_Click");
        Option10.Click = Note("Option10_Click");
        Option14.Click = Note("Option14_Click");
        Option12.Click = Note("Option12_Click");
        Option1.Click = Note("Option1_Click");
        SSCheck1.Click = Note("SSCheck1_Click");
        Text1.Change = Note("Text1_Change");
        Text1.GotFocus = Note("Text1_GotFocus");
        Text1.LostFocus = Note("Text1_LostFocus");
        Command1.GotFocus = Note("Command1_GotFocus");
        Command1.Click = Note("Command1_Click");
    }
    Frame Frame2{this, "Frame2"};
    Frame Frame3{this, "Frame3"};
    OptionButton Option4{this, "Option4"}, Option5{this, "Option5"}, Option10{this, "Option10"};
    OptionButton Option14{this, "Option14"}, Option12{this, "Option12"};
    OptionButton Option1{this, "Option1"};   // on the form itself
    CheckBox SSCheck1{this, "SSCheck1"};
    TextBox Text1{this, "Text1"};
    CommandButton Command1{this, "Command1"};
};

using EventRules = formstest::FormsTest;

TEST_F(EventRules, OptionGroupsFollowTheirContainer) {
    auto& f = Default<Classes>();
    f.Option10.SetValue(true);
    f.Option12.SetValue(true);
    f.Option1.SetValue(true);
    f.Option4.SetValue(true);
    EXPECT_TRUE(f.Option4.Value());
    EXPECT_FALSE(f.Option10.Value());          // same frame: cleared
    EXPECT_TRUE(f.Option12.Value());           // other frame: untouched
    EXPECT_TRUE(f.Option1.Value());            // the form's own group: untouched
    EXPECT_EQ(Log(), (std::vector<std::string>{"Option10_Click", "Option12_Click", "Option1_Click", "Option4_Click"}));

    Log().clear();
    f.Option4.SetValue(false);                 // False runs nothing and may leave none selected
    EXPECT_FALSE(f.Option4.Value());
    EXPECT_FALSE(f.Option5.Value());
    EXPECT_FALSE(f.Option10.Value());
    EXPECT_TRUE(Log().empty());
}

TEST_F(EventRules, TickBoxClicksOnlyWhenTheValueChanges) {
    auto& f = Default<Classes>();
    f.SSCheck1.SetValue(0);
    EXPECT_TRUE(Log().empty());
    f.SSCheck1.SetValue(1);
    f.SSCheck1.SetValue(1);
    f.SSCheck1.UserClick();
    EXPECT_EQ(f.SSCheck1.Value(), 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{"SSCheck1_Click", "SSCheck1_Click"}));
    EXPECT_THROW(f.SSCheck1.SetValue(3), vb::Err);
}

TEST_F(EventRules, TextChangeOnlyWhenTheTextDiffers) {
    auto& f = Default<Classes>();
    f.Text1.SetText("");
    f.Text1.SetText("Åsgård");
    f.Text1.SetText("Åsgård");
    EXPECT_EQ(Log(), (std::vector<std::string>{"Text1_Change"}));
}

TEST_F(EventRules, MaxLengthCountsCharactersAndCutsTyping) {
    auto& f = Default<Classes>();
    f.Text1.SetMaxLength(4);
    f.Text1.UserType("æøåÆØ");
    EXPECT_EQ(f.Text1.Text(), "æøåÆ");
    f.Text1.UserSetText("ÆØÅæøå");
    EXPECT_EQ(f.Text1.Text(), "ÆØÅæ");
    // Typing over a selection replaces it, within the limit.
    f.Text1.SetSelStart(1);
    f.Text1.SetSelLength(2);
    EXPECT_EQ(f.Text1.SelText(), "ØÅ");
    f.Text1.UserType("xyz");
    EXPECT_EQ(f.Text1.Text(), "Æxyæ");
    f.Text1.Locked = true;
    f.Text1.UserType("q");
    EXPECT_EQ(f.Text1.Text(), "Æxyæ");
}

TEST_F(EventRules, KeyPressMayChangeOrSwallowTypedKeys) {
    auto& f = Default<Classes>();
    f.Text1.KeyPress = [](int& key) {
        if (key == 'x') key = 0;
        if (key == 'a') key = 'A';
    };
    f.Text1.UserType("axbå\b");
    EXPECT_EQ(f.Text1.Text(), "Ab");
}

TEST_F(EventRules, ClickMovesTheFocusFirst) {
    auto& f = Default<Classes>();
    f.Text1.SetFocus();
    Log().clear();
    f.Command1.UserClick();
    EXPECT_EQ(Log(), (std::vector<std::string>{"Text1_LostFocus", "Command1_GotFocus", "Command1_Click"}));
    EXPECT_EQ(f.ActiveControl(), &f.Command1);
    // A second click on the focused control only clicks.
    Log().clear();
    f.Command1.UserClick();
    EXPECT_EQ(Log(), (std::vector<std::string>{"Command1_Click"}));
}

TEST_F(EventRules, LostFocusThatTakesTheFocusBackStopsGotFocus) {
    auto& f = Default<Classes>();
    f.Text1.SetFocus();
    f.Text1.LostFocus = [&f] { f.Text1.SetFocus(); };
    Log().clear();
    f.Command1.UserClick();
    EXPECT_EQ(f.ActiveControl(), &f.Text1);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Text1_GotFocus", "Command1_Click"}));
}

TEST_F(EventRules, DisabledContainerStopsTheUserButKeepsChildrenEnabled) {
    auto& f = Default<Classes>();
    f.Frame2.SetEnabled(false);
    EXPECT_TRUE(f.Option4.Enabled());
    EXPECT_FALSE(f.Option4.EffectiveEnabled());
    f.Option4.UserClick();
    EXPECT_FALSE(f.Option4.Value());
    EXPECT_TRUE(Log().empty());
    // Code still may set it: the rule runs as for a click.
    f.Option4.SetValue(true);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Option4_Click"}));

    f.Frame2.SetEnabled(true);
    f.Frame2.SetVisible(false);
    Log().clear();
    f.Option5.UserClick();
    EXPECT_TRUE(Log().empty());
    f.Frame2.SetVisible(true);
    f.SetEnabled(false);                       // the whole form
    f.Command1.UserClick();
    EXPECT_TRUE(Log().empty());
}

TEST_F(EventRules, UserClickOnAnOptionSelectsIt) {
    auto& f = Default<Classes>();
    f.Option10.SetValue(true);
    Log().clear();
    f.Option5.UserClick();
    EXPECT_TRUE(f.Option5.Value());
    EXPECT_FALSE(f.Option10.Value());
    EXPECT_EQ(Log(), (std::vector<std::string>{"Option5_Click"}));
}

struct Menus : Form {
    Menus() : Form("Menus") {
        Fil.Click = Note("Fil");
        Ny.Click = Note("Ny");
        Skrift.Click = Note("Skrift");
        Strek.Click = Note("Strek");
        Skrift.SetEnabled(false);
    }
    Menu Fil{this, "Fil", "&Fil"};
    Menu Ny{this, "FilNyTurnering", "&Nytt DommerOppsett", &Fil};
    Menu Strek{this, "Strek1", "-", &Fil};
    Menu Skrift{this, "Skrift", "Skriver&FontOppsett", &Fil};
};

TEST_F(EventRules, MenuItemsRunOnlyWhenTheyAndTheirMenusCanBeChosen) {
    auto& f = Default<Menus>();
    EXPECT_EQ(f.Fil.Items().size(), 3u);
    f.Ny.UserClick();
    f.Strek.UserClick();
    f.Skrift.UserClick();
    EXPECT_EQ(Log(), (std::vector<std::string>{"Ny"}));
    f.Fil.SetVisible(false);
    f.Ny.UserClick();
    f.Fil.SetVisible(true);
    f.Fil.SetEnabled(false);
    f.Ny.UserClick();
    EXPECT_EQ(Log(), (std::vector<std::string>{"Ny"}));
}

struct Recorder : ControlView {
    std::vector<Prop> seen;
    void changed(Control&, Prop what) override { seen.push_back(what); }
};

TEST_F(EventRules, PropertyChangesReachTheView) {
    auto& f = Default<Classes>();
    Recorder view, child;
    f.Frame2.SetView(&view);
    f.Option4.SetView(&child);
    f.Frame2.SetCaption("Boccia");
    f.Frame2.SetCaption("Boccia");
    f.Frame2.Move(10, 20, 30, 40);
    f.Frame2.SetEnabled(false);
    EXPECT_EQ(view.seen, (std::vector<Prop>{Prop::Caption, Prop::Geometry, Prop::Enabled}));
    // The child hears that the user can no longer reach it.
    EXPECT_EQ(child.seen, (std::vector<Prop>{Prop::Enabled}));
}

} // namespace
