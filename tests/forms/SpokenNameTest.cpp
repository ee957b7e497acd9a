// What a screen reader says for each control: its own label, caption or tool tip,
// never a heading's or a neighbour's.
#include "FormsTest.h"

#include "platform/forms/SpokenName.h"

namespace {

using formstest::FormsTest;

class Skjema : public forms::Form {
public:
    Skjema() : Form("Skjema") {
        SetCaption("Turneringsdata");
        Overskrift.Move(120, 60, 6000, 375);
        Overskrift.SetCaption("Turneringsdata for Dommere");
        Overskrift.SetFont({"Arial", 12, true});
        // A grid right below the heading, with no label of its own.
        Liste.Move(120, 480, 3000, 2000);
        // Two rows of label and box; the second label carries an access key.
        NrTekst.Move(3300, 495, 1000, 255);
        NrTekst.SetCaption("Nr.:");
        Nr.Move(4400, 480, 700, 315);
        NavnTekst.Move(3300, 885, 1000, 255);
        NavnTekst.SetCaption("&Fornavn:");
        Navn.Move(4400, 870, 2000, 315);
        // A box further along the first row: the label left of it is Nr.'s, not its own.
        Klubb.Move(5300, 480, 1000, 315);
        // A label over a list in its column; a list below the name box takes not the name's label.
        Under.Move(3300, 1220, 3100, 120);
        SpillTekst.Move(3300, 1400, 2000, 255);
        SpillTekst.SetCaption("Type spill");
        Spill.Move(3300, 1700, 2000, 600);
        // Tick boxes without captions, each with its label right beside it.
        Boccia.Move(3300, 2500, 255, 255);
        BocciaTekst.Move(3600, 2485, 900, 255);
        BocciaTekst.SetCaption("Boccia");
        Curling.Move(4560, 2500, 255, 255);
        CurlingTekst.Move(4860, 2485, 900, 255);
        CurlingTekst.SetCaption("Curling");
        // A caption of its own wins over the label beside it.
        Egen.Move(3300, 2900, 1500, 255);
        Egen.SetCaption("&Aktiv");
        // Picture buttons: one by its caption, one by its tool tip, one named where laid out.
        Apne.SetCaption("Åpne Database");
        Apne.ToolTipText = "Åpner Database";
        Skriv.ToolTipText = "Start Utskrift";
        Ny.AccessibleName = "Ny turnering";
        // A label in another frame names nothing here.
        Ramme.Move(120, 3300, 3000, 800);
        RammeTekst.SetContainer(&Ramme);
        RammeTekst.Move(100, 300, 800, 255);
        RammeTekst.SetCaption("Sted:");
        Sted.Move(1000, 3600, 1000, 315);
    }
    forms::Label Overskrift{this, "Overskrift"};
    forms::MSFlexGrid Liste{this, "Liste"};
    forms::Label NrTekst{this, "NrTekst"}, NavnTekst{this, "NavnTekst"}, SpillTekst{this, "SpillTekst"};
    forms::TextBox Nr{this, "Nr"}, Navn{this, "Navn"}, Klubb{this, "Klubb"};
    forms::ListBox Spill{this, "Spill"}, Under{this, "Under"};
    forms::CheckBox Boccia{this, "Boccia"}, Curling{this, "Curling"}, Egen{this, "Egen"};
    forms::Label BocciaTekst{this, "BocciaTekst"}, CurlingTekst{this, "CurlingTekst"};
    forms::CommandButton Apne{this, "Apne"}, Skriv{this, "Skriv"}, Ny{this, "Ny"};
    forms::Frame Ramme{this, "Ramme"};
    forms::Label RammeTekst{this, "RammeTekst"};
    forms::TextBox Sted{this, "Sted"};
};

TEST_F(FormsTest, EachControlIsSpokenByItsOwnLabelCaptionOrToolTip) {
    Skjema f;
    using forms::SpokenName;
    EXPECT_EQ(SpokenName(f.Nr), "Nr.:");
    EXPECT_EQ(SpokenName(f.Navn), "Fornavn:");
    EXPECT_EQ(SpokenName(f.Spill), "Type spill");
    EXPECT_EQ(SpokenName(f.Boccia), "Boccia");
    EXPECT_EQ(SpokenName(f.Curling), "Curling");
    EXPECT_EQ(SpokenName(f.Egen), "Aktiv");
    EXPECT_EQ(SpokenName(f.Apne), "Åpne Database");
    EXPECT_EQ(SpokenName(f.Skriv), "Start Utskrift");
    EXPECT_EQ(SpokenName(f.Ny), "Ny turnering");
    // Nothing of its own: the heading, the neighbour's label and a label in another frame name none.
    EXPECT_EQ(SpokenName(f.Liste), "");
    EXPECT_EQ(SpokenName(f.Klubb), "");
    EXPECT_EQ(SpokenName(f.Sted), "");
    EXPECT_EQ(SpokenName(f.Under), "");
    // Named where it is laid out, the grid says what it lists.
    f.Liste.AccessibleName = "Dommere";
    EXPECT_EQ(SpokenName(f.Liste), "Dommere");
    // A label hidden with its box names nothing, nor does the other tick box's label.
    f.CurlingTekst.SetVisible(false);
    EXPECT_EQ(SpokenName(f.Curling), "");
    // Labels themselves are read by their text, not named here.
    EXPECT_EQ(SpokenName(f.NrTekst), "");
    // The label a box is named by, for the view to tie the two.
    EXPECT_EQ(forms::OwnLabel(f.Nr), &f.NrTekst);
    EXPECT_EQ(forms::OwnLabel(f.Boccia), &f.BocciaTekst);
    EXPECT_EQ(forms::OwnLabel(f.Egen), nullptr);
    EXPECT_EQ(forms::OwnLabel(f.Liste), nullptr);
}

} // namespace
