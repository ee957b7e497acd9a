#include "Fixture.h"

#include "state/ProgramState.h"
#include "support/Turneringsbase.h"

namespace regtest {

namespace {
class AnnetVindu : public forms::Form {
public:
    AnnetVindu() : forms::Form("AnnetVindu") {}
};
} // namespace

void RegisterTest::SetUp() {
    kdtest::NullstillProgrammet();
    kdtest::PinClock(kdtest::PinnedNow());
    forms::App.ResourcePath = KD_SOURCE_DIR "/resources";
    dbsti = dir.file("Turnering.KVX");
    kdtest::ApneNyTurnering(dbsti);
}

void RegisterTest::TearDown() {
    kdtest::NullstillProgrammet();
}

void RegisterTest::leggInn(const Dommer& d) {
    kdtest::LeggInnDommer({{"DommerNR", vb::Variant::Integer(d.nr)}, {"Dommer_FNavn", d.fnavn}, {"Dommer_ENavn", d.enavn},
                           {"Dommer_Lag", d.lag}, {"Dommer_Boccia", d.boccia}, {"Dommer_Curling", d.curling}},
                          d.flagg, {d.tekster.begin(), d.tekster.end()});
}

void RegisterTest::leggInnKamper(int nr, int antall, int status) {
    for (int i = 0; i < antall; ++i)
        state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status, Typespill) Values (?, ?, ?, 'BOCCIA')",
                             {vb::Variant::Integer(nr), vb::Variant::Long(nr * 10000 + i), vb::Variant::Integer(status)});
}

Dommere_Init& RegisterTest::vis() {
    auto& f = forms::Default<Dommere_Init>();
    f.Show();
    return f;
}

void RegisterTest::aktiverPaNytt() {
    auto& annet = forms::Default<AnnetVindu>();
    annet.Show();
    forms::Default<Dommere_Init>().Activate();
}

dao::Recordset RegisterTest::rad(int nr) {
    dao::Recordset rs = state::DBase.OpenRecordset("Select * From Dommere Where DommerNR = ?", dao::dbOpenSnapshot,
                                                   {vb::Variant::Integer(nr)});
    EXPECT_FALSE(rs.EOF_()) << "no referee " << nr;
    return rs;
}

long RegisterTest::antall(const std::string& sql, const dao::Params& p) {
    dao::Recordset rs = state::DBase.OpenRecordset(sql, dao::dbOpenSnapshot, p);
    return vb::CLng(rs.Get(0));
}

bool RegisterTest::flagg(int nr, const char* kolonne) { return vb::CBool(rad(nr).Get(kolonne)); }

void RegisterTest::skriv(forms::TextBox& t, const std::string& tekst) {
    t.SetFocus();
    t.UserSetText(tekst);
}

} // namespace regtest
