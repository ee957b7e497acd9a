#pragma once
// The ranking window: the 29 class lists, the entries of the current list in
// a grid, choice of list by game, group and class, entry editing, play type,
// the printed list, and the buttons of the export and the two imports.
#include <cstdint>
#include <string>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class Ranking : public forms::Form {
public:
    Ranking();

    forms::TextBox Text9{this, "Text9"};   // the title line

    // Working modes.
    forms::Frame Frame1{this, "Frame1"};
    forms::SSOption Option1{this, "Option1"};
    forms::SSOption Option2{this, "Option2"};
    forms::SSOption Option4{this, "Option4"};
    forms::SSOption Option3{this, "Option3"};
    forms::SSOption Option6{this, "Option6"};

    // Entry fields.
    forms::Label Label2{this, "Label2"};
    forms::TextBox Text1{this, "Text1"};
    forms::Label Label3{this, "Label3"};
    forms::TextBox Text2{this, "Text2"};
    forms::Label Label5{this, "Label5"};
    forms::TextBox Text3{this, "Text3"};
    forms::Label Label4{this, "Label4"};
    forms::TextBox Text4{this, "Text4"};
    forms::Label Label10{this, "Label10"};
    forms::TextBox Text10{this, "Text10"};

    // Buttons of the modes, the export and closing.
    forms::SSCommand SSCommand4{this, "SSCommand4"};
    forms::SSCommand SSCommand5{this, "SSCommand5"};
    forms::SSCommand SSCommand6{this, "SSCommand6"};
    forms::SSCommand SSCommand9{this, "SSCommand9"};
    forms::SSCommand SSCommand3{this, "SSCommand3"};
    forms::SSCommand SSCommand2{this, "SSCommand2"};
    forms::SSCommand SSCommand1{this, "SSCommand1"};

    // Play type.
    forms::Frame Frame2{this, "Frame2"};
    forms::SSOption Option7{this, "Option7"};
    forms::SSOption Option8{this, "Option8"};

    // Choice of the current list: game, group, list.
    forms::Label Label6{this, "Label6"};
    forms::ComboBox Combo2{this, "Combo2"};
    forms::Frame Frame3{this, "Frame3"};
    forms::SSOption Option9{this, "Option9"};
    forms::SSOption Option10{this, "Option10"};
    forms::Frame Frame4{this, "Frame4"};
    forms::SSOption Option12{this, "Option12"};
    forms::SSOption Option13{this, "Option13"};
    forms::SSOption Option14{this, "Option14"};
    forms::Label Label7{this, "Label7"};
    forms::ComboBox Combo3{this, "Combo3"};
    forms::Label Label8{this, "Label8"};
    forms::ControlArray<forms::ComboBox> Combo1{this, "Combo1", {0, 1, 2, 3, 4}};

    // The current list's number and class name.
    forms::Label Label1{this, "Label1"};
    forms::TextBox Text5{this, "Text5"};
    forms::Label Label9{this, "Label9"};
    forms::TextBox Text6{this, "Text6"};

    forms::MSFlexGrid MSFlexGrid1{this, "MSFlexGrid1"};

    // Opening, refresh on every activation, closing.
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    ~Ranking() override;
    void Form_Activate() override;
    void SSCommand1_Click();
    void Slett_Liste99();
    void Initier_RankingLister();
    // Gives the entries of lists first..last the positions 1, 2, 3 ... in drawn order.
    void Nummerer_Lister(int forste, int siste);
    void Fyll_Rankingliste(int16_t liste);
    void Vis_Rankingliste();

    // Choice of the current list.
    void Combo1_Click(int Index);
    void Combo2_Click();
    void Combo3_Click();
    void Option9_Click();
    void Option10_Click();
    void Option12_Click();
    void Option13_Click();
    void Option14_Click();
    void Fyll_Liste_Boccia();
    void Fyll_Liste_Curling();

    // Entry editing.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option6_Click();
    void MSFlexGrid1_Click();
    void SSCommand4_Click();
    void SSCommand5_Click();

    // Play type.
    void Option7_Click();
    void Option8_Click();
    void Option7_MouseDown(int Button, int Shift, float X, float Y);
    void Option8_MouseDown(int Button, int Shift, float X, float Y);
    void Lagre_TypeSpill();

    // The printed list.
    void SSCommand6_Click();
    void Skriv_Rapport();
    void Print_Rankingliste_Klasse(int forste, int siste);

    // The export for the clubs and the two import choosers.
    void SSCommand2_Click();
    void SSCommand9_Click();
    void SSCommand3_Click();

private:
    void Utform();
    void Kople();

    // Steps the list choices share.
    void velgListe(int liste);             // grid, current list, a fresh entry choice
    // The tail of every choice: velgListe, then the list's heading in Combo3, its number and
    // class name in Text5 and Text6; returns the name ("" when the list has no row).
    std::string visListe(int liste);
    void visGruppe(int gruppe);            // only the group's class combo visible
    void tomFelter(bool medRankingNr);
    void foreslaRankingNr(int liste);
    void gruppevalg(int gruppe);

    // Grid column widths and alignments, and the headings of the heading row.
    void kolonnebredder(bool individuelt);
    void overskrifter(bool lag);
    // Entry labels and club field by play type, then the grid.
    void spilltypeUtforming(bool individuelt);
    void lagreSpillOpsjon(const char* opsjon);
    // The play type of the window into the current list's row, text and both flags.
    void lagreListensSpilltype();
    // Enables the mode's buttons, disables the others.
    void modus(bool lagre, bool slett, bool rapport, bool importer);

    // Marks an option from code without the group options' own list choice.
    void merk(forms::SSOption& valg);
    bool fraKode_ = false;
};
