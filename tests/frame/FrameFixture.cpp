#include "frame/FrameFixture.h"

#include "database/Database.h"
#include "platform/dao/Dao.h"
#include "platform/files/Files.h"

namespace fs = std::filesystem;

namespace kdtest {

void FrameTest::SetUp() {
    kdtest::NullstillProgrammet();
    forms::App.Path = program.path();
    forms::App.ResourcePath = KD_SOURCE_DIR "/resources";
    dataFolder = files::DataFolder();
    fs::create_directories(dataFolder);
    state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
}

void FrameTest::TearDown() {
    kdtest::NullstillProgrammet();
    std::error_code ec;
    fs::remove_all(dataFolder, ec);
}

std::vector<std::string> FrameTest::boxTexts() const {
    std::vector<std::string> texts;
    for (const auto& b : forms::Headless().boxes) texts.push_back(b.prompt);
    return texts;
}

std::vector<std::string> FrameTest::loadedNames() {
    std::vector<std::string> names;
    for (auto* f : forms::LoadedForms()) names.push_back(f->Name());
    return names;
}

bool FrameTest::loaded(const std::string& formName) {
    for (auto* f : forms::LoadedForms())
        if (f->Name() == formName) return true;
    return false;
}

std::string FrameTest::makeDatabase(const std::string& name) {
    const std::string path = program.file(name);
    const std::string before = state::Databasenavn;
    state::Databasenavn = path;
    Opprett_Ny_Database();
    for (auto* db : {&state::DBase, &state::DBase2}) {
        if (!db->IsNothing()) db->Close();
        *db = dao::Database();
    }
    state::Databasenavn = before;
    state::DatabaseFilnavn.clear();
    return path;
}

void FrameTest::addReferee(const std::string& path, int number) {
    dao::Database db = dao::DBEngine::Workspaces(0).OpenDatabase(path);
    db.Execute("INSERT INTO Dommere (DommerNR, Dommer_FNavn) VALUES (?, ?)", {number, "Kari"});
    db.Close();
}

} // namespace kdtest
