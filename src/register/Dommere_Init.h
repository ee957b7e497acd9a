#pragma once
// The referee register window: entry boxes, game ticks and class options of one
// referee, the grid of all referees with their match counts, the counters, the
// last-update stamp, the free numbers and the report-type options.
#include "platform/dao/Dao.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/report/CrystalReport.h"
#include "reports/Registervalg.h"

class Dommere_Init : public forms::Form, public Registervalg {
public:
    Dommere_Init();
    ~Dommere_Init() override;

    // Titles and the mode heading.
    forms::Label Label1{this, "Label1"};
    forms::Label Label19{this, "Label19"};
    forms::Label Label17{this, "Label17"};

    // The three modes.
    forms::OptionButton Option1{this, "Option1"};
    forms::OptionButton Option2{this, "Option2"};
    forms::OptionButton Option3{this, "Option3"};

    // The referee's boxes, each with its label.
    forms::Label Label2{this, "Label2"};
    forms::TextBox Text4{this, "Text4"};
    forms::SSCommand SSCommand7{this, "SSCommand7"};
    forms::Label Label3{this, "Label3"};
    forms::TextBox Text1{this, "Text1"};
    forms::Label Label4{this, "Label4"};
    forms::TextBox Text2{this, "Text2"};
    forms::SSCommand SSCommand4{this, "SSCommand4"};
    forms::Label Label5{this, "Label5"};
    forms::TextBox Text3{this, "Text3"};
    forms::SSCommand SSCommand5{this, "SSCommand5"};
    forms::Label Label7{this, "Label7"};
    forms::TextBox Text5{this, "Text5"};
    forms::Label Label8{this, "Label8"};
    forms::TextBox Text6{this, "Text6"};
    forms::Label Label9{this, "Label9"};
    forms::TextBox Text7{this, "Text7"};
    forms::Label Label10{this, "Label10"};
    forms::TextBox Text8{this, "Text8"};
    forms::Label Label12{this, "Label12"};
    forms::TextBox Text10{this, "Text10"};
    forms::Label Label13{this, "Label13"};
    forms::TextBox Text14{this, "Text14"};
    forms::Label Label14{this, "Label14"};
    forms::TextBox Text9{this, "Text9"};
    forms::Label Label15{this, "Label15"};
    forms::TextBox Text15{this, "Text15"};

    // Last-update stamp.
    forms::Label Label23{this, "Label23"};
    forms::TextBox Text13{this, "Text13"};
    forms::TextBox Text11{this, "Text11"};
    forms::TextBox Text12{this, "Text12"};

    // Games, and in the same place the report types.
    forms::Frame Frame4{this, "Frame4"};
    forms::SSCheck SSCheck1{this, "SSCheck1"};
    forms::SSCheck SSCheck2{this, "SSCheck2"};
    forms::Frame Frame5{this, "Frame5"};
    forms::SSOption SSOption1{this, "SSOption1"};
    forms::SSOption SSOption2{this, "SSOption2"};
    forms::SSOption SSOption3{this, "SSOption3"};
    forms::SSOption SSOption4{this, "SSOption4"};
    forms::SSOption SSOption5{this, "SSOption5"};
    forms::SSOption SSOption6{this, "SSOption6"};
    forms::SSOption SSOption7{this, "SSOption7"};
    forms::SSOption SSOption8{this, "SSOption8"};
    forms::SSOption SSOption9{this, "SSOption9"};
    forms::SSOption SSOption10{this, "SSOption10"};
    forms::SSOption SSOption11{this, "SSOption11"};
    forms::SSOption SSOption12{this, "SSOption12"};
    forms::SSOption SSOption13{this, "SSOption13"};
    forms::SSOption SSOption14{this, "SSOption14"};
    forms::SSOption SSOption15{this, "SSOption15"};

    // Classification: Boccia, its additional choices, Curling.
    forms::Frame Frame1{this, "Frame1"};
    forms::Frame Frame2{this, "Frame2"};
    forms::OptionButton Option4{this, "Option4"};
    forms::OptionButton Option5{this, "Option5"};
    forms::OptionButton Option6{this, "Option6"};
    forms::OptionButton Option7{this, "Option7"};
    forms::OptionButton Option8{this, "Option8"};
    forms::OptionButton Option9{this, "Option9"};
    forms::OptionButton Option15{this, "Option15"};
    forms::OptionButton Option10{this, "Option10"};
    forms::Frame Frame6{this, "Frame6"};
    forms::OptionButton Option20{this, "Option20"};
    forms::OptionButton Option21{this, "Option21"};
    forms::OptionButton Option19{this, "Option19"};
    forms::CommandButton Command2{this, "Command2"};
    forms::Frame Frame3{this, "Frame3"};
    forms::OptionButton Option14{this, "Option14"};
    forms::OptionButton Option13{this, "Option13"};
    forms::OptionButton Option11{this, "Option11"};
    forms::OptionButton Option16{this, "Option16"};
    forms::OptionButton Option12{this, "Option12"};

    // Register buttons.
    forms::SSCommand SSCommand2{this, "SSCommand2"};
    forms::SSCommand C_SlettDommer{this, "C_SlettDommer"};
    forms::SSCommand SSCommand10{this, "SSCommand10"};

    // Report and distribution buttons.
    forms::SSCommand C_SkrivRapport{this, "C_SkrivRapport"};
    forms::SSCommand SSCommand3{this, "SSCommand3"};
    forms::SSCommand SSCommand6{this, "SSCommand6"};
    forms::SSCommand C_ElektroniskRapport{this, "C_ElektroniskRapport"};
    forms::SSCommand SSCommand8{this, "SSCommand8"};
    forms::SSCommand SSCommand9{this, "SSCommand9"};
    forms::SSCommand C_Lag_Dommerfil{this, "C_Lag_Dommerfil"};
    forms::SSCommand SSCommand11{this, "SSCommand11"};

    // The grid of referees.
    forms::MSFlexGrid MSFlexGrid1{this, "MSFlexGrid1"};
    forms::Label Label6{this, "Label6"};

    // Counters, free numbers, close.
    forms::Label Label11{this, "Label11"};
    forms::TextBox Text16{this, "Text16"};
    forms::Label Label18{this, "Label18"};
    forms::TextBox Text17{this, "Text17"};
    forms::Label Label20{this, "Label20"};
    forms::TextBox Text18{this, "Text18"};
    forms::CommandButton Command1{this, "Command1"};
    forms::ListBox List2{this, "List2"};
    forms::SSCommand SSCommand1{this, "SSCommand1"};

    // Life cycle: placement, and the refresh on every activation.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void SSCommand1_Click();

    // Grid, list and counters.
    void Fyll_List1();
    void Fyll_MSFlexgrid1();
    void Tell_Dommere();

    // Loading a referee into the form.
    void MSFlexGrid1_Click();
    void SSCommand7_Click();

    // Saving.
    void SSCommand2_Click();
    void Init_Klassifisering_Bo();
    void Init_Klassifisering_Cu();

    // Modes, class options, game ticks, text boxes.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option4_GotFocus();
    void Option5_GotFocus();
    void Option6_Click();
    void Option6_GotFocus();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Option10_Click();
    void Option10_LostFocus();
    void Command2_Click();
    void SSCheck1_Click();
    void SSCheck2_Click();
    void Text14_LostFocus();
    void Nullstill_Felter();

    // Report mode: the printed reports and the two searches.
    void C_SkrivRapport_Click();
    void SSCommand3_Click();
    void SSCommand4_Click();
    void SSCommand5_Click();
    void SSCommand6_Click();
    void SSCommand8_Click();
    void SSCommand9_Click();
    // What the reports read here: the report type chosen and the search boxes.
    int Rapporttype() const override;
    std::string Sokefornavn() const override;
    std::string Sokeetternavn() const override;
    std::string Sokelag() const override;

    // Deletion, reset, free numbers.
    void C_SlettDommer_Click();
    void Sletter_TData();
    void SSCommand10_Click();
    void Command1_Click();

    // The distribution file: into the data folder, or into a chosen folder.
    void C_Lag_Dommerfil_Click();
    void SSCommand11_Click();

    // The referee list of the chosen report type as a report file.
    report::CrystalReport CrReport1;
    void C_ElektroniskRapport_Click();

private:
    // Window layout, one part each.
    void UtformTopp();
    void UtformDommerfelter();
    void UtformSpillOgRapporttyper();
    void UtformKlassifisering();
    void UtformKnapper();
    void UtformListeOgTellere();
    // The Tab key's order.
    void UtformTabulator();
    // Column widths, alignments and headings of the grid.
    void rutenettOverskrift();
    void Kople();

    // Loading: the full fill of one found row, and the short fill of the report mode.
    void fyllAlt();
    void fyllRapport();
    // Modes: the on/off table.
    void settModus(bool lagre, bool slett, bool sok, bool rapport);
    // The additional Boccia choices unselected, and optionally disabled.
    void tilleggsvalgAv(bool deaktiver);
    void tilleggsvalgForForbundsdommer();
    // The stamp of db's Versjon row into its boxes; a Null column leaves its box as it was.
    void visStempel(dao::Database& db);
};
