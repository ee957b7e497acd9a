// The Tab key's order: screen order, containers where they stand.
#include "FormsTest.h"

#include "platform/forms/TabOrder.h"

namespace {

using formstest::FormsTest;

// A tall list on the left, two columns of boxes beside it (each box's label a
// little lower than the box), a frame with two options below, buttons last;
// the controls declared out of screen order.
class Skjema : public forms::Form {
public:
    Skjema() : Form("Skjema") {
        Knapp.Move(4000, 4000, 1200, 400);
        Liste.Move(100, 100, 2000, 4500);
        Hoyre2.Move(5000, 600, 1000, 300);
        Venstre1.Move(2400, 100, 1000, 300);
        Ledetekst.Move(2300, 115, 100, 255);
        Hoyre1.Move(5000, 100, 1000, 300);
        Venstre2.Move(2400, 600, 1000, 300);
        Ramme.Move(2400, 1200, 3000, 1200);
        for (auto* o : {&Valg2, &Valg1}) o->SetContainer(&Ramme);
        Valg2.Move(1500, 300, 1200, 300);
        Valg1.Move(100, 300, 1200, 300);
        Lest.Move(2400, 2600, 1000, 300);
        Lest.TabStop = false;
        Forrige.Move(2400, 4000, 1200, 400);
    }
    forms::CommandButton Knapp{this, "Knapp"};
    forms::ListBox Liste{this, "Liste"};
    forms::TextBox Hoyre2{this, "Hoyre2"};
    forms::TextBox Venstre1{this, "Venstre1"};
    forms::Label Ledetekst{this, "Ledetekst"};
    forms::TextBox Hoyre1{this, "Hoyre1"};
    forms::TextBox Venstre2{this, "Venstre2"};
    forms::Frame Ramme{this, "Ramme"};
    forms::OptionButton Valg2{this, "Valg2"};
    forms::OptionButton Valg1{this, "Valg1"};
    forms::TextBox Lest{this, "Lest"};
    forms::CommandButton Forrige{this, "Forrige"};
};

TEST_F(FormsTest, TabVisitsTheBoxesInScreenOrder) {
    Skjema f;
    std::vector<std::string> names;
    for (forms::Control* c : forms::TabOrder(f)) names.push_back(c->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Liste", "Venstre1", "Hoyre1", "Venstre2", "Hoyre2", "Valg1", "Valg2",
                                               "Forrige", "Knapp"}));
}

} // namespace
