#include "Fixture.h"

#include <filesystem>
#include <fstream>

#include "import/HentDommerFil.h"
#include "import/Innlesing.h"
#include "import/SisteFil.h"
#include "platform/files/Files.h"
#include "platform/forms/Form.h"
#include "state/ProgramState.h"
#include "support/Turneringsbase.h"

namespace importtest {

Rad Kamp(int nr, const char* hlag, const char* blag, int hpoeng, int bpoeng, const char* typespill, Felt status) {
    return {std::to_string(nr), status, "Fornavn" + std::to_string(nr), "Etternavn", "Klubb", "NM", "1. mai 2026",
            typespill ? Felt(typespill) : Felt(), hlag ? Felt(hlag) : Felt(), blag ? Felt(blag) : Felt(),
            std::to_string(hpoeng), std::to_string(bpoeng)};
}

void ImportTest::SetUp() {
    kdtest::NullstillProgrammet();
    innlesing::Glem_Siste_Fil();
    kdtest::PinClock(kdtest::PinnedNow());
    forms::App.Path = dir.file("program");
    std::filesystem::create_directories(forms::App.Path);
    datamappe = files::DataFolder();
    std::filesystem::create_directories(datamappe);
    dbsti = dir.file("Turnering.KVX");
    kdtest::ApneNyTurnering(dbsti);
    for (int nr = 1; nr <= 20; ++nr)
        state::DBase.Execute("Insert Into Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn) Values (?, ?, ?)",
                             {vb::Variant::Integer(nr), "Fornavn" + std::to_string(nr), "Etternavn"});
    forms::Default<HentDommerFil>().Show();
}

void ImportTest::TearDown() {
    forms::ResetDefaults();
    innlesing::Glem_Siste_Fil();
    state::ResetProgramState();
    forms::ResetRuntime();
    std::filesystem::remove_all(datamappe);
}

ImportTest::StorImport ImportTest::storImport(int rader) {
    std::vector<Rad> kamper;
    for (int i = 0; i < rader; ++i) kamper.push_back(Kamp(1 + i % 20, ("Lag" + std::to_string(i)).c_str()));
    const std::string kilde = lagFil("stor.dkv", kamper);
    state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status) Values (1, 1, 0)");
    slippFiler();
    state::DBase.Close();
    forms::ResetDefaults();
    const std::string mappe = dir.file("arbeid");
    return {mappe + "/T.KVX", mappe + "/stor.dkv", mappe, kdtest::ReadFile(dbsti), kdtest::ReadFile(kilde)};
}

void ImportTest::StorImport::legg() const {
    namespace fs = std::filesystem;
    fs::remove_all(mappe);
    fs::create_directories(mappe);
    std::ofstream(db, std::ios::binary) << dbBytes;
    std::ofstream(dkv, std::ios::binary) << dkvBytes;
}

std::string ImportTest::lagFil(const std::string& navn, const Innhold& innhold) {
    const std::string sti = datamappe + "/" + navn;
    resultatfil::Skriv(sti, innhold);
    return sti;
}

std::string ImportTest::lagFil(const std::string& navn, const std::vector<Rad>& rader, Felt filstatus) {
    Innhold innhold;
    innhold.turneringsnavn = "NM i Boccia";
    innhold.turneringsdato = "1. mai 2026";
    innhold.filstatus = filstatus;
    innhold.rader = rader;
    return lagFil(navn, innhold);
}

void ImportTest::lesInn(const std::string& sti) {
    state::Filsti = sti;
    Les_Inn_Dommerfil();
}

std::vector<std::string> ImportTest::kolonne(const std::string& sti, const std::string& sql) {
    dao::Database db = dao::DBEngine::Workspaces(0).OpenDatabase(sti, true, true);
    std::vector<std::string> ut;
    for (dao::Recordset rs = db.OpenRecordset(sql, dao::dbOpenSnapshot); !rs.EOF_(); rs.MoveNext())
        ut.push_back(vb::Concat(rs.Get(0), ""));
    db.Close();
    return ut;
}

std::string ImportTest::filstatus(const std::string& sti) { return kolonne(sti, "Select Status from Versjon").at(0); }

std::vector<std::string> ImportTest::radstatus(const std::string& sti) {
    return kolonne(sti, "Select Status from dommerdata Order By rowid");
}

long ImportTest::antallKamper() {
    dao::Recordset rs = state::DBase.OpenRecordset("Select count(*) From Dommertabell", dao::dbOpenSnapshot);
    return vb::CLng(rs.Get(0));
}

void ImportTest::slippFiler() {
    for (auto* rs : {&state::UtvalgFil, &state::UtvalgVersjon})
        if (!rs->IsNothing()) rs->Close();
    if (!state::DBaseFil.IsNothing()) state::DBaseFil.Close();
    innlesing::Glem_Siste_Fil();
}

std::pair<std::string, std::string> ImportTest::bytes(const std::string& dkv) {
    slippFiler();
    state::DBase.Close();
    auto ut = std::make_pair(kdtest::ReadFile(dkv), kdtest::ReadFile(dbsti));
    state::DBase = dao::DBEngine::Workspaces(0).OpenDatabase(dbsti);
    return ut;
}

std::vector<std::string> ImportTest::boksTekster() {
    std::vector<std::string> ut;
    for (const auto& b : bokser()) ut.push_back(b.prompt);
    return ut;
}

} // namespace importtest
