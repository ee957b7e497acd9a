#include "Fixture.h"

#include "ranking/Rankinglister.h"
#include "state/ProgramState.h"
#include "support/Turneringsbase.h"

namespace rankingtest {

namespace {
class AnnetVindu : public forms::Form {
public:
    AnnetVindu() : forms::Form("AnnetVindu") { MDIChild = true; }
};
} // namespace

void RankingTest::SetUp() {
    kdtest::NullstillProgrammet();
    ranking::AktivSpillOpsjon.clear();
    ranking::ValgtNr = 0;
    kdtest::PinClock(kdtest::PinnedNow());
    dbsti = dir.file("Turnering.KVX");
    kdtest::ApneNyTurnering(dbsti);
    leggInnDommer();
}

void RankingTest::TearDown() {
    kdtest::NullstillProgrammet();
}

void RankingTest::leggInnDommer() {
    state::DBase.Execute("Insert Into Dommere (DommerNR, Dommer_FNavn) Values (1, 'Kari')");
}

void RankingTest::leggInn(const Post& p) {
    state::DBase.Execute(
        "Insert Into Ranking (Nr, KlasseNr, Rank_Nr, Trukket, ForNavn, EtterNavn, Klubb) Values (?, ?, ?, ?, ?, ?, ?)",
        {p.nr ? vb::Variant::Integer(p.nr) : vb::Variant(vb::Null), vb::Variant::Integer(p.liste),
         vb::Variant::Integer(p.rank), vb::Variant::Integer(p.trukket), p.fornavn, p.etternavn, p.klubb});
}

Ranking& RankingTest::vis() {
    auto& f = forms::Default<Ranking>();
    f.Show();
    return f;
}

void RankingTest::aktiverPaNytt() {
    forms::Default<AnnetVindu>().Show();
    forms::Default<Ranking>().Activate();
}

long RankingTest::antall(const std::string& sql, const dao::Params& p) {
    dao::Recordset rs = state::DBase.OpenRecordset(sql, dao::dbOpenSnapshot, p);
    return vb::CLng(rs.Get(0));
}

std::vector<std::string> RankingTest::kolonne(int liste, const std::string& felt) {
    std::vector<std::string> ut;
    dao::Recordset rs = state::DBase.OpenRecordset("Select * From Ranking Where KlasseNr = ? Order By Nr, rowid",
                                                   dao::dbOpenSnapshot, {vb::Variant::Integer(liste)});
    for (; !rs.EOF_(); rs.MoveNext()) ut.push_back(vb::Concat(rs.Get(felt), ""));
    return ut;
}

std::vector<std::string> RankingTest::rutenett(Ranking& f, int c) {
    std::vector<std::string> ut;
    for (int r = 1; r < f.MSFlexGrid1.Rows(); ++r) ut.push_back(f.MSFlexGrid1.TextMatrix(r, c));
    return ut;
}

void RankingTest::skriv(forms::TextBox& t, const std::string& tekst) {
    t.SetFocus();
    t.UserSetText(tekst);
}

} // namespace rankingtest
