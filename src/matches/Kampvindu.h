#pragma once
// What the two match windows (manual entry Dommer, import review Dommer2) share:
// the referee grid with each referee's count of active matches, the match grid
// of the selected referee, the referee boxes and the sort buttons.
#include <cstdint>
#include <span>
#include <string>

#include "platform/dao/Dao.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/report/CrystalReport.h"
#include "shared/Rutenett.h"

namespace kamper {

// The cells of a grid row for the columns' fields, tab-separated; the game lower-cased if asked.
std::string Celler(const dao::Recordset& rad, std::span<const shared::Kolonne> kolonner, bool typespillSmaBokstaver = false);

// DBase2, the second handle the match windows reopen; DBase when it is not open yet
// (a window opened before any of them).
dao::Database& AndreHandtak();

} // namespace kamper

class Kampvindu : public forms::Form {
public:
    explicit Kampvindu(const std::string& navn);
    ~Kampvindu() override;
    void Form_Unload(int& Cancel) override;

    forms::Label Label1{this, "Label1"};

    // The referee's boxes.
    forms::ControlArray<forms::Label> Label2{this, "Label2", {0, 1}};
    forms::TextBox Text4{this, "Text4"};
    forms::TextBox Text1{this, "Text1"};
    forms::Label Label3{this, "Label3"};
    forms::TextBox Text2{this, "Text2"};
    forms::Label Label5{this, "Label5"};
    forms::TextBox Text3{this, "Text3"};
    forms::Label Label7{this, "Label7"};
    forms::TextBox Text7{this, "Text7"};

    // Tournament name and date.
    forms::Label Label4{this, "Label4"};
    forms::TextBox Text5{this, "Text5"};
    forms::Label Label12{this, "Label12"};
    forms::TextBox Text6{this, "Text6"};

    // Games.
    forms::SSCheck SSCheck1{this, "SSCheck1"};
    forms::Label Label8{this, "Label8"};
    forms::SSCheck SSCheck2{this, "SSCheck2"};
    forms::Label Label9{this, "Label9"};
    forms::SSCheck SSCheck3{this, "SSCheck3"};
    forms::Label Label10{this, "Label10"};
    forms::SSCheck SSCheck4{this, "SSCheck4"};
    forms::Label Label11{this, "Label11"};

    // The referee grid and its sorts, the match grid.
    forms::MSFlexGrid MSFlexGrid2{this, "MSFlexGrid2"};
    forms::SSCommand SSCommand6{this, "SSCommand6"};
    forms::SSCommand SSCommand10{this, "SSCommand10"};
    forms::SSCommand SSCommand11{this, "SSCommand11"};
    forms::MSFlexGrid MSFlexGrid1{this, "MSFlexGrid1"};

    // The report files of all referees and of the one in Text4.
    forms::SSCommand SSCommand8{this, "SSCommand8"};
    forms::SSCommand SSCommand9{this, "SSCommand9"};
    // Each window's own report control; a run keeps what the previous one set.
    report::CrystalReport CrReport1;
    forms::SSCommand SSCommand1{this, "SSCommand1"};

    // "Ferdig".
    void SSCommand1_Click();
    // The sorts of the referee grid, by number, name and count; Sortering flips after each.
    void SSCommand6_Click();
    void SSCommand10_Click();
    void SSCommand11_Click();

    // Looks up the referee whose number stands in Text4.
    void Hent_Dommer();
    // Lists the active matches of the referee in Text4.
    void Fyll_Kampliste();
    void Overskrift_Kampliste();
    // Refills the referee grid, last name first; a failure ends it with a message.
    void Fyll_Dommerliste();
    // Reopens DBase2 and heads the referee grid.
    void Overskrift_Dommerliste();

protected:
    // The grid's referees, first name first, as shown when the window opens.
    void fyllDommereFornavnForst();
    // The active matches of the referee the grid lists, one row each; the game lower-cased or as stored.
    void listKamper(bool typespillSmaBokstaver);
    // The referee number of a grid cell, when it is one.
    static int16_t tilDommernummer(const std::string& celle);
    // The referee whose matches the match grid shows (0: none).
    int16_t listetDommer_ = 0;

    // The report-file buttons: the matches of all referees in one file, sorted as given, and
    // those of the referee in Text4 in a file of his own from the one-referee template.
    void rapportfilAlle(const char* sortering);
    void rapportfilEn();

    // Placement below the main window's button bar, as both windows do on load.
    void plasser();
    // From loading on, another open database empties the referee's boxes and the
    // match grid and refills the referee grid, so nothing acts on the previous file.
    void folgDatabasen();
    // Positions, captions and fonts of the shared controls.
    void UtformFelles(int matchGridWidth);

    // The columns of this window's match grid: the running number, then fields.
    virtual std::span<const shared::Kolonne> kampkolonner() const = 0;
    // The match grid was emptied; a selection in it is gone.
    virtual void kampgridTomt() {}
    // Another database is open: the window goes back to listing one referee's matches.
    virtual void tilbakeTilKamplisten() {}
    // Another database is open: what the window showed of the referee beyond his boxes goes too.
    virtual void dommerGlemt() {}

private:
    void fyllDommergrid(bool etternavnForst);
    void sorter(int sluttkolonne, int kodeNar0, int kodeEllers);
};
