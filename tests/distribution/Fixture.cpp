#include "Fixture.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "state/ProgramState.h"
#include "support/Turneringsbase.h"

namespace distest {

void LagTurnering(const std::string& path, const std::string& opprettetAv) {
    kdtest::ApneNyTurnering(path, opprettetAv);
    state::DBase2 = dao::DBEngine::Workspaces(0).OpenDatabase(path);
}

void LeggInn(const Dommer& d) {
    state::DBase.Execute(
        "Insert Into Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, Dommer_Curling, Dommer_Boccia, "
        "Dommer_Fotball, Dommer_Handball) Values (?, ?, ?, ?, ?, ?, ?, ?)",
        {vb::Variant::Integer(d.nr), d.fnavn, d.enavn, d.lag, d.curling, d.boccia, d.fotball, d.handball});
}

void LeggInnMange(int antall) {
    for (int nr = 1; nr <= antall; ++nr)
        LeggInn({nr, "Fornavn " + std::to_string(nr), "Etternavn", "Klubb " + std::to_string(nr % 40), nr % 2 == 0,
                 nr % 3 == 0});
}

std::string Sqlite(const std::string& file, const std::string& sql) {
    const std::string sqlFile = file + ".sql";
    if (FILE* f = std::fopen(sqlFile.c_str(), "w")) {
        std::fputs(sql.c_str(), f);
        std::fclose(f);
    }
    FILE* p = ::popen(("sqlite3 -batch '" + file + "' < '" + sqlFile + "' 2>&1").c_str(), "r");
    std::string out;
    char buf[4096];
    while (p && !std::feof(p)) {
        const size_t n = std::fread(buf, 1, sizeof buf, p);
        out.append(buf, n);
    }
    if (p) ::pclose(p);
    std::remove(sqlFile.c_str());
    return out;
}

void DistTest::ventPaSvar() {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (forms::Headless().runPolls() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void DistTest::SetUp() {
    kdtest::NullstillProgrammet();
    kdtest::PinClock(kdtest::PinnedNow());
    forms::App.Path = dir.path();
    LagTurnering(dir.file("Turnering.KVX"));
}

void DistTest::TearDown() {
    kdtest::NullstillProgrammet();
}

std::vector<std::string> DistTest::filer(const std::string& mappe) {
    std::vector<std::string> navn;
    for (const auto& e : std::filesystem::directory_iterator(mappe)) navn.push_back(e.path().filename().string());
    std::sort(navn.begin(), navn.end());
    return navn;
}

} // namespace distest
