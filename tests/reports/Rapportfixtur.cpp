#include "Rapportfixtur.h"

#include "state/ProgramState.h"
#include "support/Turneringsbase.h"

namespace rapporttest {

void RapportTest::SetUp() {
    kdtest::NullstillProgrammet();
    printer::ResetPrinter();
    rec.page = {12000, 11000, 11000, 10000};
    rec.lineHeights = {{8, 100}, {10, 200}};
    kdtest::PinClock(kdtest::PinnedNow());
    forms::App.Path = dir.path();
    kdtest::ApneNyTurnering(dir.file("Turnering.KVX"));
}

void RapportTest::TearDown() {
    kdtest::NullstillProgrammet();
    printer::ResetPrinter();
}

void RapportTest::leggInn(const Dommer& d) {
    kdtest::LeggInnDommer({{"DommerNR", vb::Variant::Integer(d.nr)},
                           {"Dommer_FNavn", d.nullNavn ? vb::Variant(vb::Null) : vb::Variant(d.fnavn)},
                           {"Dommer_ENavn", d.nullNavn ? vb::Variant(vb::Null) : vb::Variant(d.enavn)},
                           {"Dommer_Lag", d.lag.empty() ? vb::Variant(vb::Null) : vb::Variant(d.lag)},
                           {"Dommer_Boccia", d.boccia}, {"Dommer_Curling", d.curling}},
                          d.flagg, d.tekster);
}

void RapportTest::leggInnKamper(int nr, int antall, const std::string& typespill, int status) {
    static int sekvens = 0;
    for (int i = 0; i < antall; ++i)
        state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status, Typespill) Values (?, ?, ?, ?)",
                             {vb::Variant::Integer(nr), vb::Variant::Long(++sekvens), vb::Variant::Integer(status),
                              typespill});
}

Dommere_Init& RapportTest::register_(int type) {
    auto& f = forms::Default<Dommere_Init>();
    f.Show();
    f.Option3.SetValue(true);
    forms::SSOption* valg[] = {&f.SSOption1,  &f.SSOption2,  &f.SSOption3,  &f.SSOption4,  &f.SSOption5,
                               &f.SSOption6,  &f.SSOption7,  &f.SSOption8,  &f.SSOption9,  &f.SSOption10,
                               &f.SSOption11, &f.SSOption12, &f.SSOption13, &f.SSOption14, &f.SSOption15};
    for (auto* o : valg) o->SetValue(false);
    if (type > 0) valg[type - 1]->SetValue(true);
    return f;
}

const printer::RecordedDocument& RapportTest::doc() {
    const auto& d = rec.last();
    EXPECT_EQ(d.state, printer::RecordedDocument::State::Ended);
    return d;
}

std::vector<std::string> RapportTest::ved(double x) {
    std::vector<std::string> ut;
    for (const auto& t : doc().texts)
        if (t.x == x) ut.push_back(t.text);
    return ut;
}

} // namespace rapporttest
