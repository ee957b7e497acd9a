// Default instances, loading and unloading, activation, modal forms and the
// dispatcher that shows untrapped errors.
#include <algorithm>
#include <functional>

#include "FormsTest.h"
#include "platform/vb/Err.h"

using namespace forms;
using formstest::Log;

namespace {

int g_cancelQuery = 0;
int g_cancelUnload = 0;

struct Register : Form {
    Register() : Form("Dommere_Init") {
        Ferdig.Click = [this] { Unload(); Log().push_back("after unload, caption " + Caption()); };
        Feil.Click = [] { vb::Raise(3021); };
        Teller.Click = [this] { Log().push_back("count " + Antall.Text()); };
    }
    void Form_Load() override { Log().push_back("Load"); Antall.SetText("0"); }
    void Form_Activate() override { Log().push_back("Activate " + Name()); }
    void Form_Deactivate() override { Log().push_back("Deactivate " + Name()); }
    void Form_QueryUnload(int& cancel, int mode) override {
        Log().push_back("QueryUnload " + std::to_string(mode));
        cancel = g_cancelQuery;
    }
    void Form_Unload(int& cancel) override {
        Log().push_back("Unload");
        cancel = g_cancelUnload;
    }
    TextBox Antall{this, "Antall"};
    CommandButton Ferdig{this, "Ferdig"};
    CommandButton Feil{this, "Feil"};
    CommandButton Teller{this, "Teller"};
};

struct Dialog : Form {
    Dialog() : Form("NyDBase") {
        OK.Click = [this] { Log().push_back("OK " + Navn.Text()); Hide(); };
    }
    void Form_Activate() override { Log().push_back("Activate " + Name()); }
    TextBox Navn{this, "Navn"};
    CommandButton OK{this, "OK"};
};

struct Child : Form {
    Child() : Form("Dommer") { MDIChild = true; }
    void Form_Activate() override { Log().push_back("Activate " + Name()); }
};

class FormLife : public formstest::FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        g_cancelQuery = g_cancelUnload = 0;
    }
};

TEST_F(FormLife, UnloadDropsTheInstanceAndTheNextShowLoadsAgain) {
    Default<Register>().Show();
    Default<Register>().Antall.SetText("12");
    EXPECT_TRUE(IsLoaded<Register>());
    EXPECT_TRUE(Default<Register>().Unload());
    EXPECT_FALSE(IsLoaded<Register>());
    Default<Register>().Show();
    EXPECT_EQ(Default<Register>().Antall.Text(), "0");
    EXPECT_EQ(Log(), (std::vector<std::string>{"Load", "Activate Dommere_Init", "QueryUnload 1", "Unload", "Load",
                                               "Activate Dommere_Init"}));
}

TEST_F(FormLife, HideKeepsTheInstanceAndItsState) {
    auto& f = Default<Register>();
    f.Show();
    f.Antall.SetText("12");
    f.Hide();
    EXPECT_TRUE(IsLoaded<Register>());
    EXPECT_FALSE(f.Visible());
    Default<Register>().Show();
    EXPECT_EQ(&Default<Register>(), &f);
    EXPECT_EQ(f.Antall.Text(), "12");
    EXPECT_EQ(std::count(Log().begin(), Log().end(), "Load"), 1);
}

TEST_F(FormLife, QueryUnloadOrUnloadMayCancel) {
    auto& f = Default<Register>();
    f.Show();
    g_cancelQuery = 1;
    EXPECT_FALSE(f.Unload(vbFormControlMenu));
    EXPECT_TRUE(f.IsLoaded());
    EXPECT_TRUE(f.Visible());
    g_cancelQuery = 0;
    g_cancelUnload = 1;
    EXPECT_FALSE(f.Unload());
    EXPECT_EQ(&Default<Register>(), &f);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Load", "Activate Dommere_Init", "QueryUnload 0", "QueryUnload 1",
                                               "Unload"}));
}

TEST_F(FormLife, UnloadFromItsOwnHandlerWaitsForTheHandlerToReturn) {
    Default<Register>().Show();
    Default<Register>().Ferdig.UserClick();   // under ASan a premature delete shows here
    EXPECT_EQ(Log().back(), "after unload, caption ");
    EXPECT_FALSE(IsLoaded<Register>());
    EXPECT_TRUE(LoadedForms().empty());
}

// A window whose load empties what code fills into it, as the import window's does.
struct Innlesing : Form {
    Innlesing() : Form("HentDommerFil") {
        Antall.SetText("fra utformingen");   // the window's own design: loads nothing
        Ferdig.Click = [this] {
            Unload();
            Antall.SetText("etter unload");   // an instance that went stays gone
        };
    }
    void Form_Load() override {
        Log().push_back("Load " + Antall.Text());
        Antall.SetText("0");
        Rader.SetRows(1);
    }
    TextBox Antall{this, "Antall"};
    MSFlexGrid Rader{this, "Rader"};
    CommandButton Ferdig{this, "Ferdig"};
};

TEST_F(FormLife, UsingAControlOfAnUnloadedFormLoadsItFirst) {
    const struct {
        const char* bruk;
        std::function<void(Innlesing&)> gjor;
        std::string antall;
        int rader;
    } tilfeller[] = {
        {"reading a text", [](Innlesing& f) { Log().push_back("read " + f.Antall.Text()); }, "0", 1},
        {"setting a text", [](Innlesing& f) { f.Antall.SetText("12"); }, "12", 1},
        {"adding a grid row", [](Innlesing& f) { f.Rader.AddItem("3\tKari"); }, "0", 2},
        {"hiding a control", [](Innlesing& f) { f.Ferdig.SetVisible(false); }, "0", 1},
    };
    for (const auto& t : tilfeller) {
        SCOPED_TRACE(t.bruk);
        reset();
        auto& f = Default<Innlesing>();
        EXPECT_FALSE(f.IsLoaded());
        t.gjor(f);
        EXPECT_TRUE(IsLoaded<Innlesing>());
        EXPECT_EQ(Log().front(), "Load fra utformingen");
        // Showing it now keeps what was done to it: no second load.
        f.Show();
        EXPECT_EQ(std::count_if(Log().begin(), Log().end(), [](const std::string& l) { return l.starts_with("Load"); }), 1);
        EXPECT_EQ(f.Antall.Text(), t.antall);
        EXPECT_EQ(f.Rader.Rows(), t.rader);
    }
}

TEST_F(FormLife, AWindowThatWentIsNotLoadedAgainByItsOwnHandler) {
    Default<Innlesing>().Show();
    Default<Innlesing>().Ferdig.UserClick();
    EXPECT_FALSE(IsLoaded<Innlesing>());
    EXPECT_EQ(Log(), (std::vector<std::string>{"Load fra utformingen"}));
    // The next use is of a fresh instance, loaded afresh.
    EXPECT_EQ(Default<Innlesing>().Antall.Text(), "0");
}

TEST_F(FormLife, AnUntrappedErrorIsShownAndTheProgramGoesOn) {
    auto& f = Default<Register>();
    f.Show();
    f.Feil.UserClick();
    ASSERT_EQ(host().boxes.size(), 1u);
    EXPECT_EQ(host().boxes[0].prompt, "Årsak :  Ingen gjeldende post.");
    EXPECT_EQ(host().boxes[0].icon(), vbCritical);
    EXPECT_EQ(host().boxes[0].title, "KvistrelDommer");
    f.Teller.UserClick();
    EXPECT_EQ(Log().back(), "count 0");
    Dispatch([] { throw std::runtime_error("disk full"); });
    EXPECT_EQ(host().boxes.back().prompt, "Årsak :  disk full");
}

TEST_F(FormLife, ActivateRunsOnASwitchButNotWhenAMessageBoxCloses) {
    auto& reg = Default<Register>();
    auto& dlg = Default<Dialog>();
    reg.Show();
    dlg.Show();
    MsgBox("Databasen inneholder allerede dommere!", vbExclamation);
    dlg.Activate();                  // the view reports the window under the box again
    dlg.OK.UserClick();              // hides the dialog: the register gets the focus back silently
    EXPECT_EQ(Screen.ActiveForm(), &reg);
    reg.Activate();
    reg.Show();                      // already active
    EXPECT_EQ(Log(), (std::vector<std::string>{"Load", "Activate Dommere_Init", "Deactivate Dommere_Init",
                                               "Activate NyDBase", "OK "}));
    dlg.Show();
    reg.Activate();                  // the user goes back to the register
    EXPECT_EQ(Log().back(), "Activate Dommere_Init");
}

TEST_F(FormLife, ClosingAnMdiChildActivatesTheNextChild) {
    auto& reg = Default<Register>();
    reg.MDIChild = true;
    reg.Show();
    Default<Child>().Show();
    Log().clear();
    Default<Child>().Unload();
    EXPECT_EQ(Screen.ActiveForm(), &reg);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Activate Dommere_Init"}));
}

TEST_F(FormLife, ModalShowRunsTheDriverAndWaits) {
    host().modalDriver = [](Form& form) {
        auto& d = static_cast<Dialog&>(form);
        EXPECT_TRUE(d.IsModal());
        d.Navn.UserType("Cup 2026");
        d.OK.UserClick();
    };
    Default<Dialog>().Show(vbModal);
    Log().push_back("after Show");
    EXPECT_EQ(Log(), (std::vector<std::string>{"Activate NyDBase", "OK Cup 2026", "after Show"}));
    EXPECT_FALSE(Default<Dialog>().IsModal());
}

TEST_F(FormLife, ModalShowWithoutADriverLeavesTheFormShown) {
    Default<Dialog>().Show(vbModal);
    EXPECT_TRUE(Default<Dialog>().Visible());
    EXPECT_TRUE(Default<Dialog>().IsModal());
}

TEST_F(FormLife, ShowingAVisibleModelessFormModallyIsAnError) {
    Default<Dialog>().Show();
    EXPECT_THROW(Default<Dialog>().Show(vbModal), vb::Err);
}

TEST_F(FormLife, LoadedFormsInLoadOrder) {
    Default<Dialog>().Load();
    Default<Register>().Show();
    EXPECT_EQ(LoadedForms(), (std::vector<Form*>{&Default<Dialog>(), &Default<Register>()}));
    Default<Dialog>().Unload();
    EXPECT_EQ(LoadedForms(), (std::vector<Form*>{&Default<Register>()}));
}

struct Mail : Form {
    Mail() : Form("VBMail") {
        Picture1.Resize = [] { Log().push_back("Picture1_Resize"); };
    }
    void Form_Resize() override { Log().push_back("Form_Resize"); }
    PictureBox Picture1{this, "Picture1"};
};

TEST_F(FormLife, ResizeRunsWhenTheSizeChangesOfALoadedForm) {
    auto& f = Default<Mail>();
    f.SetWidth(6000);                 // not loaded yet
    f.Load();
    f.Move(100, 100);                 // moved, same size
    f.SetHeight(5000);
    f.Picture1.SetLeft(10);
    f.Picture1.SetWidth(f.Width());
    EXPECT_EQ(Log(), (std::vector<std::string>{"Form_Resize", "Picture1_Resize"}));
}

struct KeyForm : Form {
    KeyForm() : Form("KeyForm") {
        KeyPreview = true;
        Text1.KeyDown = [](int& code, int) { Log().push_back("Text1 " + std::to_string(code)); };
    }
    void Form_KeyDown(int& code, int) override {
        Log().push_back("Form " + std::to_string(code));
        if (code == 112) code = 0;   // F1 taken by the form
    }
    TextBox Text1{this, "Text1"};
};

TEST_F(FormLife, KeyPreviewLetsTheFormSeeKeysFirst) {
    auto& f = Default<KeyForm>();
    f.Text1.SetFocus();
    f.UserKeyDown(65);
    f.UserKeyDown(112);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Form 65", "Text1 65", "Form 112"}));
}

} // namespace
