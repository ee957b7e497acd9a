// Start-up: the second-copy question, the program folder, the screen format,
// the splash, the main window's load step and the command-line file.
#include <filesystem>
#include <fstream>
#include <functional>

#include "frame/FrameFixture.h"
#include "frame/Hovedmeny2.h"
#include "frame/Kildemappe.h"
#include "frame/Main.h"
#include "frame/StartBilde.h"
#include "platform/files/Files.h"

namespace kdtest {
namespace {

using StartupTest = FrameTest;

TEST_F(StartupTest, SecondCopyAsksAndCancelEndsBeforeAnyWindow) {
    forms::App.PrevInstance = true;
    host().setNextAnswer(forms::vbCancel);
    Main();
    ASSERT_EQ(host().boxes.size(), 1u);
    const auto& box = host().boxes[0];
    EXPECT_EQ(box.prompt, "Det kjører allerede en versjon av Kvistrel:\r- Trykk OK for å starte ytterligere en Kvistrel\r"
                          "- Trykk Avbryt for avbryte oppstart");
    EXPECT_EQ(box.buttons(), forms::vbOKCancel);
    EXPECT_EQ(box.icon(), forms::vbQuestion);
    EXPECT_EQ(box.title, "KvistrelDommer");
    EXPECT_TRUE(host().ended);
    EXPECT_TRUE(loadedNames().empty());
    EXPECT_EQ(state::Turnering_Navn, "");
}

TEST_F(StartupTest, SecondCopyOkStartsNormallyAndFirstCopyIsNotAsked) {
    forms::App.PrevInstance = true;
    host().setNextAnswer(forms::vbOK);
    Main();
    EXPECT_FALSE(host().ended);
    EXPECT_TRUE(forms::Default<Hovedmeny2>().Visible());

    forms::ResetDefaults();
    host().boxes.clear();
    forms::App.PrevInstance = false;
    Main();
    EXPECT_TRUE(host().boxes.empty());
}

TEST_F(StartupTest, DefaultsCaptionAndFolders) {
    Main();
    auto& h = forms::Default<Hovedmeny2>();
    EXPECT_TRUE(h.IsLoaded());
    EXPECT_TRUE(h.IsMDIForm);
    EXPECT_EQ(h.Caption(), "KvistrelDommer Versjon 1.20.0");
    EXPECT_EQ(state::Turnering_Navn, "Norges Valmorisk");
    EXPECT_EQ(state::Opprettet_Av, "Norges Valmorisk");
    EXPECT_EQ(state::Katalog, program.path());
    EXPECT_EQ(state::Filmonster, "*.KVX");
    EXPECT_EQ(forms::App.HelpFile, program.path() + "/KVISTREL.HLP");
    EXPECT_EQ(state::Arbeidsomrade, &dao::DBEngine::Workspaces(0));
    EXPECT_EQ(state::ArbeidsomradeRanking, &dao::DBEngine::Workspaces(0));
    EXPECT_EQ(state::ArbeidsomradeRanking2, &dao::DBEngine::Workspaces(0));
    EXPECT_FALSE(loaded("StartBilde"));
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
    EXPECT_TRUE(state::Databasenavn.empty());
    EXPECT_TRUE(host().boxes.empty());
}

TEST_F(StartupTest, ProgramFolderIsMadeOrWhatLiesThereIsToldWithItsPath) {
    namespace fs = std::filesystem;
    const std::string hjem = program.file("hjem"), mappe = hjem + "/KvistrelDommer", fil = program.file("notat.txt");
    const auto lag = [](const std::string& sti) { std::ofstream(sti) << "x"; };
    const std::pair<std::function<void()>, std::string> tilfeller[] = {
        {[] {}, ""},   // missing, with the folder above it
        {[&] { fs::create_directory(hjem), fs::create_directory_symlink(program.path(), mappe); }, ""},
        {[&] { fs::create_directory(hjem), lag(mappe); }, mappe + " er en fil, ikke en mappe."},
        {[&] { fs::create_directory(hjem), fs::create_symlink(fil, mappe); }, mappe + " er en lenke til " + fil + ", som ikke finnes."},
        {[&] { fs::create_directory(hjem), lag(fil), fs::create_symlink(fil, mappe); },
         mappe + " er en lenke til filen " + fil + ", ikke en mappe."},
        {[&] { lag(hjem); }, hjem + " er en fil, ikke en mappe."},
    };
    for (const auto& [forbered, grunn] : tilfeller) {
        fs::remove_all(hjem), fs::remove(fil);
        forbered();
        forms::ResetDefaults(), host().boxes.clear();
        forms::App.Path = mappe;
        Main();
        EXPECT_TRUE(forms::Default<Hovedmeny2>().Visible());
        EXPECT_EQ(fs::is_directory(mappe), grunn.empty()) << grunn;
        if (grunn.empty()) {
            EXPECT_EQ(boxTexts(), std::vector<std::string>{});
        } else {
            EXPECT_EQ(boxTexts(), std::vector<std::string>{"Programmappen kan ikke brukes:\r" + grunn +
                                                           "\r\rNye databaser, rapporter og dommerfiler kan ikke lagres der før dette er rettet."});
        }
    }
}

// A clone of the source in the program folder's place is told at start; the
// user's own files, or a repository of the user's own, are not.
TEST_F(StartupTest, ProgramFolderThatIsACopyOfTheSourceIsTold) {
    namespace fs = std::filesystem;
    EXPECT_TRUE(ErKildemappe(KD_SOURCE_DIR));
    const auto lag = [&](const std::string& navn, const std::string& tekst) {
        fs::create_directories(fs::path(program.file(navn)).parent_path());
        std::ofstream(program.file(navn)) << tekst;
    };
    const struct { std::function<void()> forbered; bool kilde; } tilfeller[] = {
        {[&] { lag("Cup.kvx", "x"), lag("notat.txt", "x"), lag("Dommerrapport/a.rtf", "x"); }, false},
        {[&] { lag(".git/HEAD", "ref: refs/heads/main\n"), lag("CMakeLists.txt", "project(MinTurnering VERSION 1.0)\n"); }, false},
        {[&] { lag("CMakeLists.txt", "# KvistrelDommer: notater\nproject(KvistrelDommerNotater)\n"); }, false},
        {[&] { lag(".git/HEAD", "ref: refs/heads/main\n"),
               lag("CMakeLists.txt", "cmake_minimum_required(VERSION 3.25)\nproject(KvistrelDommer VERSION 1.20.0 LANGUAGES CXX)\n"); },
         true},
    };
    for (const auto& [forbered, kilde] : tilfeller) {
        SCOPED_TRACE(&forbered - &tilfeller[0].forbered);
        for (const auto& e : fs::directory_iterator(program.path())) fs::remove_all(e.path());
        forbered();
        forms::ResetDefaults(), host().boxes.clear();
        Main();
        EXPECT_TRUE(forms::Default<Hovedmeny2>().Visible());
        EXPECT_EQ(ErKildemappe(program.path()), kilde);
        if (kilde) {
            ASSERT_EQ(host().boxes.size(), 1u);
            EXPECT_EQ(host().boxes[0].prompt,
                      "Programmappen " + program.path() + " er en kopi av kildekoden til KvistrelDommer.\r\r"
                      "Nye databaser havner blant kildefilene, og en opprydding i kildekoden (git clean) kan slette dem. "
                      "Flytt kildekoden til en annen mappe, for eksempel ~/src/kvistreldommer.");
            EXPECT_EQ(host().boxes[0].icon(), forms::vbExclamation);
        } else {
            EXPECT_EQ(boxTexts(), std::vector<std::string>{});
        }
    }
}

TEST_F(StartupTest, ScreenFormatDecidesTheButtonBar) {
    forms::Screen.Width = 640 * 15;
    forms::Screen.Height = 480 * 15;
    Main();
    EXPECT_EQ(state::Skjermformat, "640 x 480");
    EXPECT_FALSE(forms::Default<Hovedmeny2>().Picture2.Visible());

    forms::ResetDefaults();
    forms::Screen.Width = 1280 * 15;
    forms::Screen.Height = 1024 * 15;
    Main();
    auto& h = forms::Default<Hovedmeny2>();
    EXPECT_EQ(state::Skjermformat, "1280 x 1024");
    EXPECT_TRUE(h.Picture2.Visible());
    EXPECT_TRUE(h.Panel3D1.Visible());
    // The logo ends at the screen's right edge, the help button just left of it.
    EXPECT_EQ(h.logo2.Left() + h.logo2.Width(), forms::Screen.Width);
    EXPECT_EQ(h.G_Hjelp.Left() + h.G_Hjelp.Width(), h.logo2.Left());
}

TEST_F(StartupTest, ScreenFormatRoundsOddTwips) {
    forms::Screen.Width = 9614;   // 640.9 pixels of 15 twips: divided whole, not rounded
    forms::Screen.Height = 7214;
    Main();
    EXPECT_EQ(state::Skjermformat, "640 x 480");
}

TEST_F(StartupTest, SplashIsCentredWithShortVersion) {
    auto& s = forms::Default<StartBilde>();
    s.Load();
    EXPECT_EQ(s.Caption(), "KvistrelDommer");
    EXPECT_EQ(s.Frame1.Caption(), "KvistrelDommer");
    EXPECT_EQ(s.Label1.Caption(), "Velkommen\rtil\rKvistrelDommer\r\rVersjon 1.20");
    EXPECT_EQ(s.Left(), (forms::Screen.Width - s.Width()) / 2);
    EXPECT_EQ(s.Top(), (forms::Screen.Height - s.Height()) / 2);
}

TEST_F(StartupTest, CommandLineNameIsOpenedFromTheProgramFolder) {
    makeDatabase("cup2026.kvx");
    forms::App.Command = "cup2026.kvx";
    Main();
    EXPECT_EQ(state::Filnavn, "/cup2026.kvx");
    EXPECT_EQ(state::Databasenavn, program.path() + "/cup2026.kvx");
    EXPECT_EQ(state::DatabaseFilnavn, "cup2026.kvx");
    ASSERT_FALSE(state::DBase.IsNothing());
    EXPECT_TRUE(state::DBase.IsOpen());
    EXPECT_TRUE(host().boxes.empty());
}

TEST_F(StartupTest, CommandLineNameWithoutDotGetsBcaAndAMissingFileIsToldAndForgotten) {
    forms::App.Command = "Cup";
    Main();
    EXPECT_EQ(state::Filnavn, "/Cup.BCA");
    EXPECT_FALSE(host().boxes.empty());   // the user hears that the file cannot be opened
    EXPECT_TRUE(state::Databasenavn.empty());
    EXPECT_TRUE(state::DatabaseFilnavn.empty());
    EXPECT_TRUE(forms::Default<Hovedmeny2>().Visible());
}

// A bare name takes ".BCA" first, and else the ".kvx" "Nytt DommerOppsett" made, in any case of letters.
TEST_F(StartupTest, CommandLineNameWithoutDotPrefersBcaAndElseFindsKvx) {
    makeDatabase("Annen.kvx");
    makeDatabase("annet.dat");
    for (const char* cmd : {"Annen", "ANNEN"}) {
        SetUp();
        forms::App.Command = cmd;
        Main();
        EXPECT_EQ(state::Databasenavn, program.path() + "/Annen.kvx") << cmd;
        EXPECT_TRUE(state::DBase.IsOpen()) << cmd;
        EXPECT_TRUE(host().boxes.empty()) << cmd;
    }
    // Only ".BCA" and ".kvx" are looked for.
    SetUp();
    forms::App.Command = "annet";
    Main();
    EXPECT_EQ(state::Filnavn, "/annet.BCA");
    EXPECT_TRUE(state::Databasenavn.empty());

    std::filesystem::copy_file(program.file("Annen.kvx"), program.file("annen.bca"));
    SetUp();
    forms::App.Command = "Annen";
    Main();
    EXPECT_EQ(state::Filnavn, "/annen.bca");
    EXPECT_EQ(state::Databasenavn, program.path() + "/annen.bca");
}

// New databases are made as ".kvx": a name is found whatever the case of its letters.
TEST_F(StartupTest, CommandLineNameIsFoundInAnyLetterCase) {
    makeDatabase("Cup2026.kvx");
    forms::App.Command = "CUP2026.KVX";
    Main();
    EXPECT_EQ(state::Databasenavn, program.path() + "/Cup2026.kvx");
    EXPECT_TRUE(state::DBase.IsOpen());
    EXPECT_TRUE(host().boxes.empty());
}

// "Open with" passes a path; a relative one counts from the working folder.
TEST_F(StartupTest, CommandLinePathIsOpenedWhereItPoints) {
    TempDir annen;
    std::filesystem::create_directories(annen.file("Sesong"));
    makeDatabase("a.kvx");
    std::filesystem::rename(program.file("a.kvx"), annen.file("Sesong/Serie.kvx"));
    const auto arbeidsmappe = std::filesystem::current_path();
    std::filesystem::current_path(annen.path());
    for (const std::string& cmd : std::vector<std::string>{annen.file("Sesong/Serie.kvx"), annen.file("sesong/serie.KVX"),
                                                             "./Sesong/Serie.kvx", "Sesong/../Sesong/Serie.kvx"}) {
        SetUp();
        forms::App.Command = cmd;
        Main();
        EXPECT_EQ(state::Databasenavn, annen.file("Sesong/Serie.kvx")) << cmd;
        EXPECT_TRUE(state::DBase.IsOpen()) << cmd;
        EXPECT_TRUE(host().boxes.empty()) << cmd;
    }
    std::filesystem::current_path(arbeidsmappe);
}

TEST_F(StartupTest, CommandLineForeignExtensionIsWarnedAndStillTried) {
    makeDatabase("gammel.kvx");
    std::filesystem::rename(program.file("gammel.kvx"), program.file("gammel.dat"));
    forms::App.Command = "gammel.dat";
    Main();
    ASSERT_FALSE(host().boxes.empty());
    EXPECT_EQ(host().boxes[0].prompt, "UKjent Filversjon");
    EXPECT_EQ(state::Databasenavn, program.path() + "/gammel.dat");
    EXPECT_TRUE(state::DBase.IsOpen());
}

} // namespace
} // namespace kdtest
