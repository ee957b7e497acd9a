// The Tab key's order: the list written where the window is laid out, not the screen.
#include "FormsTest.h"

namespace {

using formstest::FormsTest;

// Two columns of boxes side by side (read across, they would zig-zag), a frame of
// options, a read-only box, a label, and a button declared first.
class Skjema : public forms::Form {
public:
    Skjema() : Form("Skjema") {
        Knapp.Move(2400, 4000);
        Venstre1.Move(100, 100, 1000, 300);
        Hoyre1.Move(2400, 130, 1000, 300);
        Venstre2.Move(100, 600, 1000, 300);
        Hoyre2.Move(2400, 600, 1000, 300);
        Ramme.Move(100, 1200, 3000, 1200);
        for (forms::OptionButton* o : {&Valg1, &Valg2}) o->SetContainer(&Ramme);
        Lest.Locked = true;
        SetTabOrder({&Venstre1, &Venstre2, &Hoyre1, &Hoyre2, &Etikett, &Valg1, &Valg2, &Knapp});
    }
    forms::CommandButton Knapp{this, "Knapp"};
    forms::TextBox Hoyre1{this, "Hoyre1"}, Venstre2{this, "Venstre2"}, Venstre1{this, "Venstre1"}, Hoyre2{this, "Hoyre2"};
    forms::Frame Ramme{this, "Ramme"};
    forms::OptionButton Valg2{this, "Valg2"}, Valg1{this, "Valg1"};
    forms::TextBox Lest{this, "Lest"};
    forms::Label Etikett{this, "Etikett"};
};

std::vector<std::string> navn(const std::vector<forms::Control*>& controls) {
    std::vector<std::string> out;
    for (forms::Control* c : controls) out.push_back(c->Name());
    return out;
}

TEST_F(FormsTest, TabFollowsTheWrittenOrderAndNothingElseIsAStop) {
    Skjema f;
    // Down the left column, then the right one; a label in the list takes no focus.
    EXPECT_EQ(navn(f.TabOrder()),
              (std::vector<std::string>{"Venstre1", "Venstre2", "Hoyre1", "Hoyre2", "Valg1", "Valg2", "Knapp"}));
    EXPECT_TRUE(f.Venstre1.TabStop);
    EXPECT_TRUE(f.Knapp.TabStop);
    // What the list leaves out is no stop: the read-only box, the frame.
    EXPECT_FALSE(f.Lest.TabStop);
    EXPECT_FALSE(f.Ramme.TabStop);

    // Code may take a stop away later; the others keep their places.
    f.Hoyre1.TabStop = false;
    EXPECT_EQ(navn(f.TabOrder()), (std::vector<std::string>{"Venstre1", "Venstre2", "Hoyre2", "Valg1", "Valg2", "Knapp"}));
    // A later list replaces the whole order and gives back what it names.
    f.SetTabOrder({&f.Knapp, &f.Hoyre1});
    EXPECT_EQ(navn(f.TabOrder()), (std::vector<std::string>{"Knapp", "Hoyre1"}));
    EXPECT_FALSE(f.Venstre1.TabStop);
}

TEST_F(FormsTest, AControlThatGoesLeavesTheTabOrder) {
    Skjema f;
    {
        forms::TextBox kort{&f, "Kort"};
        f.SetTabOrder({&f.Venstre1, &kort, &f.Knapp});
        EXPECT_EQ(navn(f.TabOrder()), (std::vector<std::string>{"Venstre1", "Kort", "Knapp"}));
    }
    EXPECT_EQ(navn(f.TabOrder()), (std::vector<std::string>{"Venstre1", "Knapp"}));
}

} // namespace
