// The Tab key's order: screen order, containers where they stand.
#include "FormsTest.h"

#include "platform/forms/TabOrder.h"

namespace {

using formstest::FormsTest;

// Declared out of screen order: a tall list beside two rows of boxes (the second
// box of the first row a little lower), a frame of options, a box that is no Tab stop.
class Skjema : public forms::Form {
public:
    Skjema() : Form("Skjema") {
        Knapp.Move(2400, 4000);
        Liste.Move(100, 100, 2000, 4500);
        Hoyre1.Move(5000, 130, 1000, 300);
        Venstre2.Move(2400, 600, 1000, 300);
        Venstre1.Move(2400, 100, 1000, 300);
        Ramme.Move(2400, 1200, 3000, 1200);
        Valg2.SetContainer(&Ramme);
        Valg2.Move(1500, 300);
        Valg1.SetContainer(&Ramme);
        Valg1.Move(100, 300);
        Lest.Move(2400, 2600);
        Lest.TabStop = false;
    }
    forms::CommandButton Knapp{this, "Knapp"};
    forms::ListBox Liste{this, "Liste"};
    forms::TextBox Hoyre1{this, "Hoyre1"}, Venstre2{this, "Venstre2"}, Venstre1{this, "Venstre1"};
    forms::Frame Ramme{this, "Ramme"};
    forms::OptionButton Valg2{this, "Valg2"}, Valg1{this, "Valg1"};
    forms::TextBox Lest{this, "Lest"};
};

TEST_F(FormsTest, TabVisitsTheControlsInScreenOrder) {
    Skjema f;
    std::vector<std::string> names;
    for (forms::Control* c : forms::TabOrder(f)) names.push_back(c->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Liste", "Venstre1", "Hoyre1", "Venstre2", "Valg1", "Valg2", "Knapp"}));
}

} // namespace
