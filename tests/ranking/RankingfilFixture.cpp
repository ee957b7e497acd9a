#include "ranking/RankingfilFixture.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "platform/forms/Form.h"
#include "state/ProgramState.h"
#include "support/Turneringsbase.h"

namespace rankfiltest {

namespace {

std::string Sitert(const std::string& tekst) {
    std::string ut = "'";
    for (char c : tekst) ut += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return ut + "'";
}

} // namespace

void LagTurneringsbase(const std::string& sti, const std::string& opprettetAv) {
    // The table creators work on DBase; the database open before stays open.
    const dao::Database forrige = state::DBase;
    kdtest::LagTurneringsbase(sti, opprettetAv);
    dao::Workspace& ws = dao::DBEngine::Workspaces(0);
    ws.BeginTrans();
    for (int n = 1; n <= 29; ++n) {
        const char* spill = n <= 20 ? "BOCCIA" : "CURLING";
        const char* type = n <= 10 ? "SENIOR" : n <= 20 ? "JUNIOR" : n <= 24 ? "HERRER" : n <= 28 ? "DAMER" : "JUNIOR";
        state::DBase.Execute("Insert Into Ranking_KlData (KlasseNr, TypeSpill, KlasseType, KlasseNavn) Values (?, ?, ?, ?)",
                             {vb::Variant::Integer(n), spill, type, "Klasse " + std::to_string(n)});
    }
    ws.CommitTrans();
    state::DBase.Close();
    state::DBase = forrige;
}

void LeggInn(dao::Database& db, const std::vector<Post>& poster) {
    dao::Workspace& ws = dao::DBEngine::Workspaces(0);
    ws.BeginTrans();
    for (const Post& p : poster)
        db.Execute("Insert Into Ranking (Nr, Rank_Nr, Trukket, ForNavn, EtterNavn, Klubb, KlasseNr, Klasse_Navn) "
                   "Values (?, ?, ?, ?, ?, ?, ?, ?)",
                   {p.nr, p.rank, p.trukket, p.fornavn, p.etternavn, p.klubb, p.klasse, p.klasseNavn});
    ws.CommitTrans();
}

void RankingfilTest::SetUp() {
    kdtest::NullstillProgrammet();
    kdtest::PinClock(kdtest::PinnedNow());
    forms::App.Path = program.path();
    std::filesystem::create_directory(program.file("DommerDistribusjon"));
    state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
    dbsti = program.file("Turnering.KVX");
    LagTurneringsbase(dbsti, "Norges Valmorisk");
    apneTurneringsbase();
}

void RankingfilTest::TearDown() {
    kdtest::NullstillProgrammet();
}

void RankingfilTest::apneTurneringsbase() {
    state::DBase = dao::DBEngine::Workspaces(0).OpenDatabase(dbsti);
    state::DBase2 = dao::DBEngine::Workspaces(0).OpenDatabase(dbsti);
    state::Databasenavn = dbsti;
    state::DatabaseFilnavn = "Turnering.KVX";
}

dao::Database& RankingfilTest::state_DBase() { return state::DBase; }

long RankingfilTest::antall(const std::string& sql) {
    dao::Recordset rs = state::DBase.OpenRecordset(sql, dao::dbOpenSnapshot);
    return vb::CLng(rs.Get(0));
}

std::string RankingfilTest::rader(const std::string& sql) {
    std::string ut;
    for (dao::Recordset rs = state::DBase.OpenRecordset(sql, dao::dbOpenSnapshot); !rs.EOF_(); rs.MoveNext()) {
        for (int i = 0; i < rs.FieldCount(); ++i) ut += (i ? "|" : "") + vb::Concat(rs.Get(i), "");
        ut += "\n";
    }
    return ut;
}

void RankingfilTest::svar(std::initializer_list<int> svarene) {
    for (int s : svarene) forms::Headless().setNextAnswer(s);
}

std::string Sqlite3(const std::string& fil, const std::string& sql) {
    const std::string kommando = "sqlite3 -batch -noheader -separator '|' " + Sitert(fil) + " " + Sitert(sql) + " 2>&1";
    FILE* rør = ::popen(kommando.c_str(), "r");
    if (!rør) return "popen failed";
    std::string ut;
    std::array<char, 4096> buf{};
    while (size_t n = std::fread(buf.data(), 1, buf.size(), rør)) ut.append(buf.data(), n);
    ::pclose(rør);
    return ut;
}

} // namespace rankfiltest
