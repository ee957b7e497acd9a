#include "RapportfilFixture.h"

#include <filesystem>

#include "platform/dao/Dao.h"
#include "platform/forms/Form.h"
#include "state/ProgramState.h"
#include "support/RtfReaders.h"
#include "support/Turneringsbase.h"

namespace rapporttest {

void RapportfilTest::SetUp() {
    kdtest::NullstillProgrammet();
    kdtest::PinClock(kdtest::PinnedNow());
    forms::App.Path = program.path();
    forms::App.ResourcePath = KD_SOURCE_DIR "/resources";
    dbsti = data.file("Turnering.KVX");
    kdtest::ApneNyTurnering(dbsti, "Norges Valmorisk", kdtest::Tabeller::UtenRanking);
    state::DBase2 = dao::DBEngine::Workspaces(0).OpenDatabase(dbsti);
}

void RapportfilTest::TearDown() {
    kdtest::NullstillProgrammet();
}

void RapportfilTest::leggInn(const Rapportfildommer& d) {
    kdtest::LeggInnDommer({{"DommerNR", vb::Variant::Integer(d.nr)}, {"Dommer_FNavn", d.fnavn}, {"Dommer_ENavn", d.enavn},
                           {"Dommer_Boccia", d.boccia}, {"Dommer_Curling", d.curling}},
                          d.flagg);
}

void RapportfilTest::leggInnKamp(int nr, int sekvens, int status, const std::string& turnering) {
    state::DBase.Execute(
        "Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Dommer_HPoeng, Dommer_BPoeng, Typespill) "
        "Values (?, ?, ?, ?, 3, 1, 'Boccia')",
        {vb::Variant::Integer(nr), vb::Variant::Long(sekvens), vb::Variant::Integer(status), turnering});
}

std::string RapportfilTest::comm1() {
    dao::Recordset rs = state::DBase.OpenRecordset("Select Comm1 from Versjon", dao::dbOpenSnapshot);
    return rs.Get(0).IsNull() ? "" : rs.Get(0).ToText();
}

void RapportfilTest::lagRapportmappe(const std::string& navn) { std::filesystem::create_directory(program.file(navn)); }

std::vector<std::string> RapportfilTest::forsteKolonne(const std::string& fil) const {
    std::vector<std::string> ut;
    for (const auto& rad : kdtest::PandocRows(fil)) ut.push_back(rad.empty() ? "" : rad.front());
    if (!ut.empty()) ut.erase(ut.begin());
    return ut;
}

} // namespace rapporttest
