#include "Fixture.h"

#include "matches/ValgtKamp.h"
#include "state/ProgramState.h"
#include "support/Turneringsbase.h"

namespace kamptest {

void KampTest::SetUp() {
    kdtest::NullstillProgrammet();
    Nullstill_Valgt_Kamp();
    kdtest::PinClock(kdtest::PinnedNow());
    // Whatever a match window writes into the program folder stays in the test's own folder.
    forms::App.Path = dir.path();
    dbsti = dir.file("Turnering.KVX");
    kdtest::ApneNyTurnering(dbsti);
}

void KampTest::TearDown() {
    kdtest::NullstillProgrammet();
}

void KampTest::dommer(int nr, const std::string& fnavn, const std::string& enavn, const std::string& lag, bool boccia,
                      bool curling) {
    state::DBase.Execute(
        "Insert Into Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, Dommer_Boccia, Dommer_Curling) "
        "Values (?, ?, ?, ?, ?, ?)",
        {vb::Variant::Integer(nr), fnavn, enavn, lag, boccia, curling});
}

void KampTest::kamp(const Kamp& k) {
    const auto tall = [](const std::optional<int>& v) { return v ? vb::Variant::Integer(*v) : vb::Variant(vb::Null); };
    state::DBase.Execute(
        "Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Turneringsdato, Dommer_HLag, "
        "Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill, Dommer_FNavn, Dommer_ENavn, DatoEndret) "
        "Values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {vb::Variant::Integer(k.nr), k.sekvens ? vb::Variant::Long(*k.sekvens) : vb::Variant(vb::Null),
         vb::Variant::Integer(k.status), k.turnering, k.dato, k.hlag, k.blag, tall(k.hp), tall(k.bp), k.typespill,
         k.fnavn, k.enavn, k.slettet.empty() ? vb::Variant(vb::Null) : vb::Variant(k.slettet)});
}

std::vector<std::string> KampTest::rader(const forms::MSFlexGrid& g) {
    std::vector<std::string> ut;
    for (int r = g.FixedRows; r < g.Rows(); ++r) {
        std::string rad;
        for (int c = 0; c < g.Cols(); ++c) rad += (c ? "|" : "") + g.TextMatrix(r, c);
        ut.push_back(rad);
    }
    return ut;
}

long KampTest::tall(const std::string& sql, const dao::Params& p) {
    dao::Recordset rs = state::DBase.OpenRecordset(sql, dao::dbOpenSnapshot, p);
    return rs.EOF_() || rs.Get(0).IsNull() ? -1 : vb::CLng(rs.Get(0));
}

void KampTest::skriv(forms::TextBox& t, const std::string& tekst) {
    t.SetFocus();
    t.SetText(tekst);
}

} // namespace kamptest
