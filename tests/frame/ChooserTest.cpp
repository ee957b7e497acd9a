// The three file choosers: their opening state, the lists kept in step, and
// what "OK" and "Avbryt" leave behind.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "frame/FrameFixture.h"
#include "frame/FraFil.h"
#include "frame/FraFil_Dommerbase.h"
#include "frame/Hovedmeny2.h"
#include "frame/Main.h"
#include "frame/TilFil.h"
#include "platform/files/Files.h"
#include "register/Dommere_Init.h"

namespace fs = std::filesystem;

namespace kdtest {
namespace {

class ChooserTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        Main();
        host().boxes.clear();
    }
    static void pick(Filvelger& f, const std::string& name) {
        const auto& list = f.FileListBox.List();
        const auto it = std::find(list.begin(), list.end(), name);
        ASSERT_NE(it, list.end()) << name;
        f.FileListBox.UserSelect(static_cast<int>(it - list.begin()));
    }
    static void expectOpening(Filvelger& f, const std::string& folder, const std::string& pattern) {
        EXPECT_EQ(f.FileListBox.Path(), folder);
        EXPECT_EQ(f.DirsBox.Path(), folder);
        EXPECT_EQ(f.PathSpec.Caption(), folder);
        EXPECT_EQ(f.FileListBox.Pattern(), pattern);
        EXPECT_EQ(f.TextBox.Text(), pattern);
        EXPECT_EQ(f.TextBox.SelStart(), 0);
        EXPECT_EQ(f.TextBox.SelLength(), static_cast<int>(pattern.size()));
        EXPECT_EQ(state::Filnavn, pattern);
        EXPECT_EQ(f.SSCommand1(0).Caption(), "OK");
        EXPECT_EQ(f.SSCommand1(1).Caption(), "Avbryt");
        EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
    }
    static bool readOnly(const std::string& path) { return (files::GetAttr(path) & files::vbReadOnly) != 0; }
};

TEST_F(ChooserTest, OpenDialogStartsInTheDataFolderWithItsPattern) {
    makeDatabase("cup.kvx");
    fs::copy_file(program.file("cup.kvx"), dataFolder + "/Cup.KVX");
    state::Filnavn = "Cup.KVX";   // a name left by an earlier dialog is not preselected
    auto& f = forms::Default<FraFil>();
    f.Show();
    EXPECT_EQ(f.Caption(), "Hent Fra Fil");
    expectOpening(f, dataFolder, "*.kvx");
    EXPECT_EQ(f.FileListBox.List(), std::vector<std::string>{"Cup.KVX"});
}

TEST_F(ChooserTest, SaveAsStartsInKatalogWithoutItsTrailingSlash) {
    fs::create_directory(program.file("ut"));
    state::Katalog = program.file("ut") + "/";
    auto& f = forms::Default<TilFil>();
    f.Show();
    EXPECT_EQ(f.Caption(), "Skriv Til Fil");
    expectOpening(f, program.file("ut"), "*.KVX");
    EXPECT_EQ(state::Katalog, program.file("ut"));
}

TEST_F(ChooserTest, RefereeSourceStartsInTheProgramFolder) {
    fs::create_directory(program.file("annen"));
    state::Katalog = program.file("annen");
    state::Filnavn = "x.kvx";
    auto& f = forms::Default<FraFil_Dommerbase>();
    f.Show();
    EXPECT_EQ(f.Caption(), "Hente Dommere fra annen database");
    expectOpening(f, program.path(), "*.kvx");
}

TEST_F(ChooserTest, MissingStartingFoldersFallBack) {
    fs::remove_all(dataFolder);
    fs::create_directory(program.file("sist"));
    state::Katalog = program.file("sist");
    forms::Default<FraFil>().Show();
    EXPECT_EQ(forms::Default<FraFil>().DirsBox.Path(), program.file("sist"));
    forms::Default<FraFil>().SSCommand1(1).UserClick();

    state::Katalog = program.file("fjernet");
    forms::Default<FraFil>().Show();
    EXPECT_EQ(forms::Default<FraFil>().DirsBox.Path(), program.path());
    forms::Default<TilFil>().Show();
    EXPECT_EQ(forms::Default<TilFil>().DirsBox.Path(), program.path());
    EXPECT_TRUE(host().boxes.empty());
}

TEST_F(ChooserTest, OkWithoutAChosenFileAsksAgain) {
    auto& f = forms::Default<FraFil>();
    f.Show();
    for (const char* navn : {"*.kvx", "", "  "}) {
        host().boxes.clear();
        f.TextBox.UserSetText(navn);
        f.SSCommand1(0).UserClick();
        ASSERT_EQ(host().boxes.size(), 1u) << navn;
        EXPECT_EQ(host().boxes[0].prompt, "Ingen fil valgt, prøv igjen!");
        EXPECT_EQ(host().boxes[0].icon(), forms::vbExclamation);
        EXPECT_TRUE(f.IsLoaded());
        EXPECT_TRUE(state::Databasenavn.empty());
        EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
    }
}

TEST_F(ChooserTest, WildcardsInAFolderNameDoNotStopTheOpen) {
    makeDatabase("cup.kvx");
    const std::string folder = dataFolder + "/Cup*2026?";
    fs::create_directories(folder);
    fs::copy_file(program.file("cup.kvx"), folder + "/cup.kvx");
    auto& f = forms::Default<FraFil>();
    f.Show();
    f.FileListBox.SetPath(folder);
    pick(f, "cup.kvx");
    f.SSCommand1(0).UserClick();
    EXPECT_TRUE(host().boxes.empty());
    EXPECT_EQ(state::Databasenavn, folder + "/cup.kvx");
    EXPECT_TRUE(state::DBase.IsOpen());
}

TEST_F(ChooserTest, RefusedFileLeavesTheRegisterOnTheDatabaseStillOpen) {
    makeDatabase("a.kvx");
    addReferee(program.file("a.kvx"), 7);
    fs::copy_file(program.file("a.kvx"), dataFolder + "/a.kvx");
    std::ofstream(dataFolder + "/tekst.kvx") << "ingen database";
    auto& f = forms::Default<FraFil>();
    f.Show();
    pick(f, "a.kvx");
    f.SSCommand1(0).UserClick();
    auto& reg = forms::Default<Dommere_Init>();
    ASSERT_EQ(reg.MSFlexGrid1.Rows(), 2);

    auto& g = forms::Default<FraFil>();
    g.Show();
    pick(g, "tekst.kvx");
    g.SSCommand1(0).UserClick();
    ASSERT_EQ(host().boxes.size(), 1u);
    EXPECT_EQ(host().boxes[0].prompt.rfind("Feil ved åpning av databasen", 0), 0u) << host().boxes[0].prompt;
    EXPECT_EQ(state::Databasenavn, dataFolder + "/a.kvx");
    EXPECT_EQ(state::DBase2.Name(), dataFolder + "/a.kvx");
    EXPECT_EQ(reg.MSFlexGrid1.Rows(), 2);
    EXPECT_EQ(reg.MSFlexGrid1.TextMatrix(1, 0), "    7");
    EXPECT_EQ(kdtest::ReadFile(dataFolder + "/tekst.kvx"), "ingen database");
}

TEST_F(ChooserTest, ANewDatabaseShowsInTheOpenRegisterAtOnce) {
    makeDatabase("a.kvx");
    addReferee(program.file("a.kvx"), 7);
    fs::copy_file(program.file("a.kvx"), dataFolder + "/a.kvx");
    auto& f = forms::Default<FraFil>();
    f.Show();
    pick(f, "a.kvx");
    f.SSCommand1(0).UserClick();
    auto& reg = forms::Default<Dommere_Init>();
    ASSERT_EQ(reg.MSFlexGrid1.Rows(), 2);

    host().modalDriver = [](forms::Form& dialog) {
        dynamic_cast<forms::TextBox*>(dialog.FindControl("MaskedEdit1"))->UserType("Tom");
        dialog.FindControl("C_Ferdig")->UserClick();
    };
    host().setNextAnswer(forms::vbOK);
    forms::Default<Hovedmeny2>().FilNyTurnering.UserClick();
    EXPECT_EQ(state::DBase2.Name(), program.file("Tom.kvx"));
    EXPECT_EQ(reg.MSFlexGrid1.Rows(), 1);   // the headings only: no referee of the other file
}

TEST_F(ChooserTest, OpeningAReadOnlyFileMakesItWritableAndOpensIt) {
    makeDatabase("vaar.kvx");
    const std::string path = dataFolder + "/vaar.kvx";
    fs::copy_file(program.file("vaar.kvx"), path);
    files::SetAttr(path, files::vbReadOnly);
    auto& f = forms::Default<FraFil>();
    f.Show();
    pick(f, "vaar.kvx");
    EXPECT_EQ(f.TextBox.Text(), "vaar.kvx");
    EXPECT_EQ(state::Filnavn, "vaar.kvx");
    f.SSCommand1(0).UserClick();
    EXPECT_FALSE(forms::IsLoaded<FraFil>());
    EXPECT_FALSE(readOnly(path));
    EXPECT_EQ(state::Katalog, dataFolder + "/");
    EXPECT_EQ(state::Databasenavn, path);
    EXPECT_EQ(state::DatabaseFilnavn, "vaar.kvx");
    EXPECT_TRUE(state::DBase.IsOpen());
    EXPECT_TRUE(loaded("Dommere_Init"));
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

TEST_F(ChooserTest, DoubleClickOpensAtOnce) {
    makeDatabase("dobbel.kvx");
    fs::copy_file(program.file("dobbel.kvx"), dataFolder + "/dobbel.kvx");
    auto& f = forms::Default<FraFil>();
    f.Show();
    f.FileListBox.UserDblClickItem(0);
    EXPECT_FALSE(forms::IsLoaded<FraFil>());
    EXPECT_EQ(state::Databasenavn, dataFolder + "/dobbel.kvx");
    EXPECT_TRUE(state::DBase.IsOpen());
}

TEST_F(ChooserTest, HiddenReadOnlyFileKeepsItsAttributes) {
    const std::string path = dataFolder + "/.skjult.kvx";
    fs::copy_file(makeDatabase("skjult.kvx"), path);
    files::SetAttr(path, files::vbReadOnly);
    ASSERT_EQ(files::GetAttr(path), files::vbReadOnly + files::vbHidden);
    auto& f = forms::Default<FraFil>();
    f.Show();
    f.TextBox.UserSetText(".skjult.kvx");
    f.SSCommand1(0).UserClick();
    EXPECT_TRUE(readOnly(path));
}

TEST_F(ChooserTest, CancelInTheOpenDialogChangesNothing) {
    state::Katalog = program.path();
    auto& f = forms::Default<FraFil>();
    f.Show();
    f.SSCommand1(1).UserClick();
    EXPECT_FALSE(forms::IsLoaded<FraFil>());
    EXPECT_EQ(state::Katalog, program.path());
    EXPECT_TRUE(state::Databasenavn.empty());
}

TEST_F(ChooserTest, CancelInTheRefereeSourceMovesKatalogButTouchesNoFile) {
    const std::string path = makeDatabase("kilde.kvx");
    files::SetAttr(path, files::vbReadOnly);
    auto& f = forms::Default<FraFil_Dommerbase>();
    f.Show();
    pick(f, "kilde.kvx");
    f.SSCommand1(1).UserClick();
    EXPECT_FALSE(forms::IsLoaded<FraFil_Dommerbase>());
    EXPECT_EQ(state::Katalog, program.path() + "/");
    EXPECT_TRUE(readOnly(path));
    EXPECT_TRUE(state::Filsti.empty());
}

TEST_F(ChooserTest, RefereesAreReadInFromTheChosenDatabase) {
    const std::string source = makeDatabase("kilde.kvx");
    addReferee(source, 11);
    addReferee(source, 12);
    files::SetAttr(source, files::vbReadOnly);
    state::Databasenavn = makeDatabase("ny.kvx");
    state::DBase = state::Arbeidsomrade->OpenDatabase(state::Databasenavn);
    state::DBase2 = state::DBase;
    auto& h = forms::Default<Hovedmeny2>();
    h.LesInn_Dommere.UserClick();
    ASSERT_TRUE(forms::IsLoaded<FraFil_Dommerbase>());
    auto& f = forms::Default<FraFil_Dommerbase>();
    pick(f, "kilde.kvx");
    f.SSCommand1(0).UserClick();
    EXPECT_FALSE(forms::IsLoaded<FraFil_Dommerbase>());
    EXPECT_EQ(state::Filsti, source);
    EXPECT_FALSE(readOnly(source));
    EXPECT_EQ(state::DBase.OpenRecordset("Select * from Dommere").RecordCount(), 2);
}

TEST_F(ChooserTest, SaveAsUsesItsOwnNameAndFolderAndIsKept) {
    state::Databasenavn = makeDatabase("original.kvx");
    state::DBase = state::Arbeidsomrade->OpenDatabase(state::Databasenavn);
    fs::create_directory(program.file("kopier"));
    forms::Default<Hovedmeny2>().FilLagreFilSom.UserClick();
    auto& t = forms::Default<TilFil>();
    t.DirsBox.SetPath(program.file("kopier"));
    EXPECT_EQ(state::Katalog, program.file("kopier"));
    EXPECT_EQ(t.PathSpec.Caption(), program.file("kopier"));
    t.TextBox.UserSetText("Kopi");
    // Another chooser moves the shared folder and name meanwhile.
    state::Katalog = dataFolder + "/";
    state::Filnavn = "*.kvx";
    t.SSCommand1(0).UserClick();
    EXPECT_TRUE(files::Exists(program.file("kopier") + "/Kopi.KVX"));
    EXPECT_EQ(state::Databasenavn, program.file("kopier") + "/Kopi.KVX");
    EXPECT_TRUE(t.IsLoaded());
    EXPECT_FALSE(t.Visible());

    // A second save-as finds the dialog as it was left.
    forms::Default<Hovedmeny2>().FilLagreFilSom.UserClick();
    EXPECT_TRUE(t.Visible());
    EXPECT_EQ(t.DirsBox.Path(), program.file("kopier"));
    EXPECT_EQ(t.TextBox.Text(), "Kopi");
    t.SSCommand1(1).UserClick();
    EXPECT_FALSE(t.Visible());
    EXPECT_TRUE(t.IsLoaded());
}

TEST_F(ChooserTest, TypedWildcardBecomesTheListsFilterOnLeavingTheBox) {
    std::ofstream(program.file("a.kvx")) << "x";
    std::ofstream(program.file("b.txt")) << "x";
    std::ofstream(program.file("C.KVX")) << "x";
    auto& f = forms::Default<TilFil>();
    f.Show();
    EXPECT_EQ(f.FileListBox.List(), (std::vector<std::string>{"a.kvx", "C.KVX"}));
    f.TextBox.SetFocus();
    f.TextBox.UserSetText("*.*");
    f.FileListBox.SetFocus();
    EXPECT_EQ(f.FileListBox.Pattern(), "*.*");
    EXPECT_EQ(f.FileListBox.List(), (std::vector<std::string>{"a.kvx", "b.txt", "C.KVX"}));
    EXPECT_EQ(state::Filnavn, "*.*");
}

TEST_F(ChooserTest, FolderDriveAndFileListsKeepInStep) {
    fs::create_directories(program.file("a/b"));
    auto& f = forms::Default<TilFil>();
    f.Show();
    f.FileListBox.SetPath(program.file("a/b"));
    EXPECT_EQ(f.DirsBox.Path(), program.file("a/b"));
    EXPECT_EQ(f.PathSpec.Caption(), program.file("a/b"));
    EXPECT_EQ(f.DriveDropDown.Drive(), "/");
    f.DirsBox.UserUp();
    EXPECT_EQ(f.FileListBox.Path(), program.file("a"));
    EXPECT_EQ(state::Katalog, program.file("a"));
}

} // namespace
} // namespace kdtest
